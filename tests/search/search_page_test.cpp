// The search page of the main window: the query box, the messages, the results and the content
// list of a picked result with its matching entries in red.

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "browse/list_painters.h"
#include "shell/line_list_model.h"
#include "shell/string_table.h"
#include "tests/browse/recording_canvas.h"
#include "tests/window/startup_fixture.h"

namespace spinfolio::test {
namespace {

using StartResult = TForm1::StartResult;

// Disc 0 has "Ą" in its description, disc 1 a "Music\a.MP3", disc 3 a "Docs\kb123.txt"; every
// disc but 2 has size texts in "KB"; disc 4 has "Mp3" only in its name.
const std::vector<std::pair<std::string, std::string>> kCatalog = {
    {"plyty",
     "<z><n>Zdj\xC4\x99"
     "cia</n>\r\n<m><n>Muzyka</n>\r\n<n>Wakacje 2005</n>\r\n"
     "<n>Dokumenty</n>\r\n<m><n>Mp3 z wyjazdu</n>\r\n"},
    {"cd0", "<n>IMG\\x.jpg</n><r>1.50 KB</r>\r\n"},
    {"op0", "Opis\r\n\xC4\x84\r\n"},
    {"cd1", "<n>Music\\a.MP3</n><r>4.21 MB</r>\r\n<n>Music\\b.ogg</n><r>1.50 KB</r>\r\n"},
    {"cd3", "<n>Docs\\kb123.txt</n><r>2.00 KB</r>\r\n"},
    {"cd4", "<n>x.ogg</n><r>3.00 KB</r>\r\n"},
};

class SearchPageTest : public StartupFixture {
 protected:
  std::unique_ptr<TForm1> start(const std::vector<std::pair<std::string, std::string>>& files) {
    installPackhold();
    provideCatalog(files);
    auto form = makeForm();
    EXPECT_EQ(form->FormCreate(), StartResult::Run);
    form->show();
    form->ShowPage(Page::Search);
    return form;
  }

  static void tick(TForm1& form, bool titles, bool content, bool descriptions) {
    form.CheckBox1->setChecked(titles);
    form.CheckBox2->setChecked(content);
    form.CheckBox3->setChecked(descriptions);
  }

  static void search(TForm1& form, const QString& query) {
    form.Edit3->setText(query);
    form.BitBtn12->click();
  }

  static void press(QWidget& widget, int key, const QString& text,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&widget, &up);
  }

  static QStringList rows(const QListView& list) {
    QStringList shown;
    for (int row = 0; row < list.model()->rowCount(); ++row) {
      shown << list.model()->index(row, 0).data().toString();
    }
    return shown;
  }

  static void pick(QListView& list, int row) { list.setCurrentIndex(list.model()->index(row, 0)); }

  // Whether each row of the result disc's content list is painted red, as the list's painter
  // paints it with the window's search query.
  static std::vector<bool> redRows(const TForm1& form) {
    std::vector<bool> red;
    const QAbstractItemModel& model = *form.ListBox4->model();
    for (int row = 0; row < model.rowCount(); ++row) {
      const QByteArray line = model.index(row, 0).data(LineListModel::RawLineRole).toByteArray();
      recording::RecordingCanvas canvas;
      ContentRowContext context{.fontColour = Qt::darkCyan, .redQuery = form.searchQuery()};
      PaintContentRow(canvas, context, QRect(0, 0, 354, 17), row, false, line.toStdString());
      red.push_back(canvas.callsOf(recording::CanvasCall::Kind::Text).front().colour == Qt::red);
    }
    return red;
  }

  void expectMessage(const TForm1& form, int polishId) {
    ASSERT_FALSE(dialogs.messages.empty());
    const MessageRequest& message = dialogs.messages.back();
    EXPECT_EQ(message.text, LocalText(polishId, form.languageIndex()));
    EXPECT_EQ(message.caption, LocalText(kCaptionInformation, form.languageIndex()));
    EXPECT_EQ(message.icon, MessageIcon::Information);
  }
};

TEST_F(SearchPageTest, TitlesAreSearchedWithoutRegardToLetterCase) {
  auto form = start(kCatalog);
  tick(*form, true, false, false);
  search(*form, QStringLiteral("wakacje"));
  EXPECT_EQ(rows(*form->ListBox3), QStringList{QStringLiteral("<n>Wakacje 2005</n>")});
  // The row is painted with the number of disc 2 through the result map.
  EXPECT_EQ(form->searchResultMap(), Lines{"2"});
  EXPECT_EQ(form->searchQuery(), "wakacje");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(form->Edit3->isEnabled());
  EXPECT_TRUE(form->BitBtn12->isEnabled());
  form->close();
}

TEST_F(SearchPageTest, DescriptionsAreLowerCasedByTheCodePage) {
  auto form = start(kCatalog);
  tick(*form, false, false, true);
  search(*form, QStringLiteral(u"Ą"));
  EXPECT_EQ(form->Edit3->text(), QStringLiteral(u"ą"));
  EXPECT_EQ(form->searchResultMap(), Lines{"0"});
  form->close();
}

TEST_F(SearchPageTest, SizeTextsAreNotSearched) {
  auto form = start(kCatalog);
  tick(*form, false, true, false);
  search(*form, QStringLiteral("kb"));
  EXPECT_EQ(form->searchResultMap(), Lines{"3"});
  form->close();
}

TEST_F(SearchPageTest, APickedResultShowsItsMatchingEntriesInRed) {
  auto form = start(kCatalog);
  search(*form, QStringLiteral("mp3"));  // titles and content, as the page starts
  EXPECT_EQ(form->searchResultMap(), (Lines{"1", "4"}));

  pick(*form->ListBox3, 0);
  EXPECT_EQ(form->searchDisc(), 1);
  EXPECT_EQ(rows(*form->ListBox4),
            (QStringList{QStringLiteral("<n>Music\\a.MP3</n><r>4.21 MB</r>"),
                         QStringLiteral("<n>Music\\b.ogg</n><r>1.50 KB</r>")}));
  EXPECT_EQ(redRows(*form), (std::vector<bool>{true, false}));

  // Found through its name only: nothing in its content list is red.
  pick(*form->ListBox3, 1);
  EXPECT_EQ(form->searchDisc(), 4);
  EXPECT_EQ(rows(*form->ListBox4), QStringList{QStringLiteral("<n>x.ogg</n><r>3.00 KB</r>")});
  EXPECT_EQ(redRows(*form), std::vector<bool>{false});

  // A new search empties the content list; the search disc stays until a result is picked.
  search(*form, QStringLiteral("dokumenty"));
  EXPECT_EQ(rows(*form->ListBox4), QStringList{});
  EXPECT_EQ(form->searchDisc(), 4);
  form->close();
}

TEST_F(SearchPageTest, AnEmptyCatalogGivesNoResults) {
  auto form = start({{"plyty", ""}});
  search(*form, QStringLiteral("x"));
  EXPECT_EQ(rows(*form->ListBox3), QStringList{});
  EXPECT_TRUE(form->searchResultMap().empty());
  EXPECT_TRUE(dialogs.messages.empty());
  form->close();
}

TEST_F(SearchPageTest, EnterInTheEmptyBoxAsksForAQuery) {
  auto form = start(kCatalog);
  ASSERT_FALSE(form->BitBtn12->isEnabled());
  press(*form->Edit3, Qt::Key_Return, QStringLiteral("\r"));
  expectMessage(*form, 303);
  form->close();
}

TEST_F(SearchPageTest, NoScopeIsToldBeforeAnEmptyQueryAndKeepsTheResults) {
  auto form = start(kCatalog);
  search(*form, QStringLiteral("wakacje"));
  tick(*form, false, false, false);
  form->Edit3->clear();
  form->BitBtn12Click();
  expectMessage(*form, 302);
  EXPECT_EQ(form->searchResultMap(), Lines{"2"});
  EXPECT_EQ(rows(*form->ListBox3).size(), 1);
  form->close();
}

TEST_F(SearchPageTest, TheButtonIsEnabledWhileTheBoxHoldsText) {
  auto form = start(kCatalog);
  form->Edit3->setText(QStringLiteral("a"));
  EXPECT_TRUE(form->BitBtn12->isEnabled());
  form->Edit3->clear();
  EXPECT_FALSE(form->BitBtn12->isEnabled());
  form->close();
}

TEST_F(SearchPageTest, TypedLettersTurnLowerCaseWhereTheCursorIs) {
  auto form = start(kCatalog);
  for (const QChar letter : QStringLiteral("ABC")) {
    press(*form->Edit3, Qt::Key_A + (letter.unicode() - u'A'), letter, Qt::ShiftModifier);
  }
  EXPECT_EQ(form->Edit3->text(), QStringLiteral("abc"));
  form->Edit3->setCursorPosition(1);
  press(*form->Edit3, Qt::Key_X, QStringLiteral("X"), Qt::ShiftModifier);
  EXPECT_EQ(form->Edit3->text(), QStringLiteral("axbc"));
  EXPECT_EQ(form->Edit3->cursorPosition(), 2);
  form->close();
}

}  // namespace
}  // namespace spinfolio::test
