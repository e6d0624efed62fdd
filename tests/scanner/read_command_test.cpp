// The read command of the management page, with a fixture folder as the drive.

#include <QComboBox>
#include <QListView>

#include "shell/line_list_model.h"
#include "shell/picture_button.h"
#include "tests/scanner/tree_fixture.h"
#include "tests/window/startup_fixture.h"

namespace spinfolio::test {
namespace {

using StartResult = TForm1::StartResult;

class ReadCommandTest : public StartupFixture {
 protected:
  std::unique_ptr<TForm1> startWithDrive(const std::string& driveRoot, int language,
                                         const std::string& extra = {}) {
    installPackhold();
    writeIni("[Opcje]\r\nLitera CD-ROM=" + driveRoot + "\r\nJezyk=" + std::to_string(language) +
             "\r\n" + extra);
    auto form = makeForm();
    EXPECT_EQ(form->FormCreate(), StartResult::Run);
    form->show();
    dialogs.messages.clear();
    return form;
  }

  static Lines pending(const TForm1& form) {
    Lines lines;
    const auto* model = form.ListBox1->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      lines.push_back(
          model->index(row, 0).data(LineListModel::RawLineRole).toByteArray().toStdString());
    }
    return lines;
  }

  TempDir drive;
};

TEST_F(ReadCommandTest, ReadsTheDriveAndSaysSo) {
  MakeTree(drive.path(), {{"a.txt", 1536}, {"Docs/b.bin", 1024}});
  auto form = startWithDrive(drive.path(), 1);
  form->Image7->show();
  form->Image6->hide();
  form->Image4->clicked();
  Lines lines = pending(*form);
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (Lines{"<n>Docs\\b.bin</n><r>1.00 KB</r>", "<n>a.txt</n><r>1.50 KB</r>"}));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Wczytano zawartość płyty."));
  EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Informacja"));
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
  EXPECT_FALSE(form->Image6->isHidden());
  EXPECT_TRUE(form->Image7->isHidden());
  // A second read gives the second listing only.
  form->Image4Click();
  EXPECT_EQ(pending(*form).size(), 2u);
  form->close();
}

TEST_F(ReadCommandTest, NoVolumeInEnglish) {
  auto form = startWithDrive(drive / "missing/", 0);
  form->Image6->show();
  form->Image7->hide();
  form->Image4Click();
  EXPECT_TRUE(pending(*form).empty());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("No CD in drive"));
  EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Information"));
  EXPECT_TRUE(form->Image6->isHidden());
  EXPECT_FALSE(form->Image7->isHidden());
  form->close();
}

TEST_F(ReadCommandTest, NoVolumeInPolish) {
  auto form = startWithDrive(drive / "missing/", 1);
  form->Image4Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Brak płyty w napędzie"));
  form->close();
}

TEST_F(ReadCommandTest, NothingTakenLeavesTheAddCommandAsItWas) {
  MakeTree(drive.path(), {{"a/", 0}, {"b/c/", 0}});
  auto form = startWithDrive(drive.path(), 1);
  form->Image6->show();
  form->Image7->hide();
  form->Image4Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Nie wczytano plików z płyty\nPłyta jest pusta lub ustawiono "
                           "filtrowanie przez które nie wczytały się pliki\nOpcje filtrowania "
                           "można ustawić w:\nOpcje programu->Ustawienia wczytywania plików z CD"));
  EXPECT_FALSE(form->Image6->isHidden());
  EXPECT_TRUE(form->Image7->isHidden());
  form->close();
}

TEST_F(ReadCommandTest, FilterRejectingEverythingInEnglish) {
  MakeTree(drive.path(), {{"a.txt", 1}});
  auto form = startWithDrive(drive.path(), 0, "[Filtr]\r\nWlaczone=1\r\nTyp=1\r\nListaW=jpg\r\n");
  form->Image4Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("No files loaded\nCD could be empty of CD filtering don't allow to get "
                           "all files from CD\nCD filtering settings are in:\nSettings->Getting "
                           "CD content settings"));
  EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Information"));
  form->close();
}

TEST_F(ReadCommandTest, SuccessInEnglish) {
  MakeTree(drive.path(), {{"a.txt", 0}});
  auto form = startWithDrive(drive.path(), 0);
  form->Image4Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Received CD content"));
  EXPECT_EQ(pending(*form), (Lines{"<n>a.txt</n><r>0.00 B</r>"}));
  form->close();
}

}  // namespace
}  // namespace spinfolio::test
