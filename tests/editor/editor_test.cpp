// The disc data editor and the add, change and clear commands of the management page.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QKeyEvent>
#include <QTimer>
#include <functional>

#include "acquire/disc_data_editor.h"
#include "common/file_ops.h"
#include "shell/line_list_model.h"
#include "shell/picture_button.h"
#include "tests/window/startup_fixture.h"

namespace spinfolio::test {
namespace {

using StartResult = TForm1::StartResult;

class EditorTest : public StartupFixture {
 protected:
  std::unique_ptr<TForm1> start(const std::string& discList) {
    installPackhold();
    provideCatalog({{"plyty", discList}, {"kat", ""}});
    auto form = makeForm();
    EXPECT_EQ(form->FormCreate(), StartResult::Run);
    form->show();
    return form;
  }
  std::string catalog(const TForm1& form, const std::string& name) const {
    return form.location().catalogFolder() + name;
  }
  // Acts on the editor once it is shown modally; an editor still open afterwards is cancelled.
  static void withEditor(std::function<void(TForm4&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* editor = qobject_cast<TForm4*>(widget);
        if (editor == nullptr || !editor->isVisible()) continue;
        act(*editor);
        if (editor->isVisible()) editor->reject();
        return;
      }
    });
  }
  static void setPending(TForm1& form, Lines lines) {
    auto* model = qobject_cast<LineListModel*>(form.ListBox1->model());
    ASSERT_NE(model, nullptr);
    model->setLines(std::move(lines));
  }
};

TEST_F(EditorTest, AddingToAnEmptyCatalog) {
  auto form = start("");
  setPending(*form, {"<n>a.txt</n><r>1.00 KB</r>"});
  WriteFile(scratch / "photo.JPG", "jpeg bytes");
  dialogs.textAnswers.push_back(QString::fromStdString(scratch / "photo.JPG"));
  withEditor([](TForm4& editor) {
    EXPECT_EQ(editor.BitBtn1->text(), QStringLiteral("Add CD"));  // English by default
    editor.Edit1->setText(QStringLiteral("Koncert"));
    editor.Memo1->setPlainText(QStringLiteral("one\ntwo"));
    editor.Button1Click();
    EXPECT_FALSE(editor.Image1->isHidden());
    editor.ComboBox1->setCurrentIndex(4);
    editor.CheckBox1->click();
    EXPECT_TRUE(editor.Edit2->isEnabled());
    editor.Edit2->setText(QStringLiteral("Jan"));
    editor.Button4Click();
  });
  form->Image6Click();
  EXPECT_EQ(ReadFile(catalog(*form, "cd0")), "<n>a.txt</n><r>1.00 KB</r>\r\n");
  EXPECT_EQ(ReadFile(catalog(*form, "op0")), "one\r\ntwo\r\n");
  EXPECT_EQ(ReadFile(form->location().PhotoFolder + "cd0.jpg"), "jpeg bytes");
  EXPECT_EQ(ReadFile(catalog(*form, "plyty")), "<m><n>Koncert</n><p><k>Jan</k>\r\n");
  EXPECT_EQ(form->location().DiscCount, 1);
  ASSERT_FALSE(dialogs.messages.empty());
  EXPECT_EQ(dialogs.messages.back().text,
            QStringLiteral("Płyta \"Koncert\" została dodana do katalogu na pozycji 1"));
  EXPECT_EQ(dialogs.messages.back().caption, QStringLiteral("Informacja"));
  EXPECT_EQ(form->ComboBox4->count(), 1);
  EXPECT_EQ(form->ComboBox1->count(), 1);
  EXPECT_EQ(form->ListBox1->model()->rowCount(), 0);
  EXPECT_TRUE(form->Image6->isHidden());
  EXPECT_FALSE(form->Image7->isHidden());
  form->close();
}

TEST_F(EditorTest, TakenNameIsRefusedAndEditorStaysOpen) {
  auto form = start("<n>Film 2</n>\r\n");
  bool stayedOpen = false;
  withEditor([&](TForm4& editor) {
    editor.Edit1->setText(QStringLiteral("Film 2"));
    editor.Button4Click();
    stayedOpen = editor.isVisible();
    editor.Edit1->setText(QStringLiteral("bad<n>name"));
    editor.Button4Click();
  });
  form->Image6Click();
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Błąd nazwy płyty"));
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Nieprawidłowa nazwa płyty. Brak nazwy płyty lub\npodana nazwa już "
                           "istnieje przypisana do innej płyty"));
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(ReadFile(catalog(*form, "plyty")), "<n>Film 2</n>\r\n");
  form->close();
}

TEST_F(EditorTest, EnterInTheNameFieldConfirms) {
  auto form = start("<n>Film 2</n>\r\n");
  withEditor([](TForm4& editor) {
    editor.Edit1->setText(QStringLiteral("Film"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(editor.Edit1, &enter);
  });
  form->Image6Click();
  EXPECT_EQ(ReadFile(catalog(*form, "plyty")), "<n>Film 2</n>\r\n<n>Film</n>\r\n");
  form->close();
}

TEST_F(EditorTest, ChangeModeFillsAndRewrites) {
  auto form = start("<n>A</n>\r\n<m><n>B</n><p><k>Ewa</k>\r\n");
  WriteFile(catalog(*form, "op1"), "old text\r\n");
  WriteFile(catalog(*form, "cd1"), "<n>x</n>\r\n");
  WriteFile(form->location().PhotoFolder + "cd1.jpg", "old photo");
  form->RadioButton4->setChecked(true);
  form->ComboBox4->setCurrentIndex(1);
  withEditor([](TForm4& editor) {
    EXPECT_EQ(editor.BitBtn1->text(), QStringLiteral("Apply"));
    EXPECT_EQ(editor.Edit1->text(), QStringLiteral("B"));
    EXPECT_TRUE(editor.CheckBox1->isChecked());
    EXPECT_EQ(editor.Edit2->text(), QStringLiteral("Ewa"));
    EXPECT_EQ(editor.ComboBox1->currentIndex(), 4);
    EXPECT_EQ(editor.Memo1->toPlainText(), QStringLiteral("old text"));
    EXPECT_FALSE(editor.Image1->isHidden());
    editor.Button2Click();
    editor.Button3Click();
    editor.Button4Click();  // its own name is accepted
  });
  form->Image12Click();
  EXPECT_FALSE(PathExists(form->location().PhotoFolder + "cd1.jpg"));
  EXPECT_FALSE(PathExists(catalog(*form, "op1")));
  EXPECT_EQ(ReadFile(catalog(*form, "plyty")), "<n>A</n>\r\n<m><n>B</n><p><k>Ewa</k>\r\n");
  EXPECT_EQ(ReadFile(catalog(*form, "cd1")), "<n>x</n>\r\n");
  EXPECT_EQ(form->ComboBox4->currentIndex(), 1);
  EXPECT_EQ(form->ListBox1->model()->rowCount(), 1);
  EXPECT_TRUE(dialogs.messages.empty());
  form->close();
}

TEST_F(EditorTest, ChangeWithoutADiscChosenDoesNothing) {
  auto form = start("<n>A</n>\r\n");
  form->ComboBox4->setCurrentIndex(-1);
  bool opened = false;
  withEditor([&](TForm4&) { opened = true; });
  form->Image12Click();
  QApplication::processEvents();
  EXPECT_FALSE(opened);
  form->close();
}

TEST_F(EditorTest, PngIsWrittenAsJpeg) {
  auto form = start("");
  QImage png(8, 6, QImage::Format_RGB32);
  png.fill(Qt::red);
  ASSERT_TRUE(png.save(QString::fromStdString(scratch / "pic.png"), "PNG"));
  dialogs.textAnswers.push_back(QString::fromStdString(scratch / "pic.png"));
  withEditor([](TForm4& editor) {
    editor.Edit1->setText(QStringLiteral("P"));
    editor.Button1Click();
    editor.Button4Click();
  });
  form->Image6Click();
  const std::string written = ReadFile(form->location().PhotoFolder + "cd0.jpg");
  ASSERT_GE(written.size(), 3u);
  EXPECT_EQ(written.substr(0, 3), "\xFF\xD8\xFF");
  form->close();
}

TEST_F(EditorTest, UnwritableContentListShowsAnErrorNamingIt) {
  auto form = start("<n>A</n>\r\n");
  MakeFolders(catalog(*form, "cd1"));
  withEditor([](TForm4& editor) {
    editor.Edit1->setText(QStringLiteral("B"));
    editor.Button4Click();
  });
  form->Image6Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
  EXPECT_TRUE(dialogs.messages[0].text.contains(QString::fromStdString(catalog(*form, "cd1"))));
  EXPECT_EQ(ReadFile(catalog(*form, "plyty")), "<n>A</n>\r\n");
  EXPECT_EQ(form->location().DiscCount, 1);
  form->close();
}

TEST_F(EditorTest, ClearThrowsAwayTheRead) {
  auto form = start("");
  setPending(*form, {"<n>a</n>"});
  form->Image6->show();
  form->Image7->hide();
  form->Image10Click();
  EXPECT_EQ(form->ListBox1->model()->rowCount(), 0);
  EXPECT_TRUE(form->Image6->isHidden());
  EXPECT_FALSE(form->Image7->isHidden());
  form->close();
}

TEST_F(EditorTest, PolishTexts) {
  Dialogs& owned = dialogs;
  TForm4 editor(TForm4::Mode::Add, 1, owned, scratch.path(), {}, {});
  EXPECT_EQ(editor.BitBtn1->text(), QStringLiteral("Dodaj"));
  EXPECT_EQ(editor.GroupBox1->title(), QStringLiteral("Zdjęcie : "));
  EXPECT_EQ(editor.ComboBox1->itemText(3), QStringLiteral("Programy"));
  EXPECT_FALSE(editor.Edit2->isEnabled());
  EXPECT_EQ(editor.size(), QSize(571, 387));
  TForm4 english(TForm4::Mode::Add, 0, owned, scratch.path(), {}, {});
  EXPECT_EQ(english.GroupBox3->title(), QStringLiteral("Name for CD to catalogue :"));
  EXPECT_EQ(english.ComboBox1->itemText(3), QStringLiteral("Applications"));
  EXPECT_EQ(english.BitBtn2->text(), QStringLiteral("Cancel"));
  if (const char* shots = std::getenv("SPINFOLIO_EDITOR_SHOTS")) {
    editor.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/editor-pl.png"));
    english.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/editor-en.png"));
  }
}

}  // namespace
}  // namespace spinfolio::test
