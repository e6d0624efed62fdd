// The category page and the category management view of the main window.

#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdlib>

#include "common/file_ops.h"
#include "shell/check_box_delegate.h"
#include "shell/line_list_model.h"
#include "tests/window/startup_fixture.h"

namespace spinfolio::test {
namespace {

using StartResult = TForm1::StartResult;
using Files = std::vector<std::pair<std::string, std::string>>;

constexpr char kAbc[] = "<n>A</n>\r\n<n>B</n>\r\n<n>C</n>\r\n";
constexpr char kSixDiscs[] =
    "<n>D0</n>\r\n<f><n>D1</n>\r\n<n>D2</n>\r\n<n>D3</n><p>\r\n<n>D4</n>\r\n<m><n>D5</n>\r\n";

void ExpectMessage(const MessageRequest& message, const QString& text, const QString& caption,
                   MessageIcon icon, MessageButtons buttons = MessageButtons::Ok) {
  EXPECT_EQ(message.text, text);
  EXPECT_EQ(message.caption, caption);
  EXPECT_EQ(message.icon, icon);
  EXPECT_EQ(message.buttons, buttons);
}

class CategoryWindowTest : public StartupFixture {
 protected:
  // A window on the catalog, packing after every change, with the given language.
  std::unique_ptr<TForm1> start(const Files& files, int languageIndex = 0) {
    writeIni("[Opcje]\r\nArchiwizacja=1\r\nJezyk=" + std::to_string(languageIndex) + "\r\n");
    installPackhold();
    provideCatalog(files);
    auto form = makeForm();
    EXPECT_EQ(form->FormCreate(), StartResult::Run);
    form->show();
    dialogs.messages.clear();
    return form;
  }
  static std::string file(const TForm1& form, const std::string& name) {
    return form.location().catalogFolder() + name;
  }
  static std::string read(const TForm1& form, const std::string& name) {
    return ReadFile(file(form, name));
  }
  static bool exists(const TForm1& form, const std::string& name) {
    return PathExists(file(form, name));
  }
  static LineListModel& checkList(const TForm1& form) {
    return *qobject_cast<LineListModel*>(form.CheckListBox1->model());
  }
  static void pick(QListView& list, int row) { list.setCurrentIndex(list.model()->index(row, 0)); }
  // Picks a category of the management view, as a click does.
  static void manage(TForm1& form, int category) {
    pick(*form.ListBox7, category);
    form.ListBox7Click();
  }
  static void show(TForm1& form, int category) {
    form.ComboBox2->setCurrentIndex(category);
    form.ComboBox2Change();
  }
  static QString row(const QAbstractItemView& list, int row) {
    return list.model()->index(row, 0).data().toString();
  }
  std::size_t saves() const { return callsOf("_SaveArch").size(); }
};

// The category page.

TEST_F(CategoryWindowTest, ThePageShowsMemberDiscsInTheOrderOfTheMemberFile) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", "<n>K</n>\r\n"}, {"k0", "3\r\n1\r\n"}});
  show(*form, 0);
  ASSERT_EQ(form->ListBox5->model()->rowCount(), 2);
  EXPECT_EQ(row(*form->ListBox5, 0), QStringLiteral("<n>D3</n><p>"));
  EXPECT_EQ(row(*form->ListBox5, 1), QStringLiteral("<f><n>D1</n>"));
  // The painter numbers the rows through the map: catalog numbers 4 and 2.
  EXPECT_EQ(form->categoryMemberMap(), (Lines{"3", "1"}));
  EXPECT_TRUE(dialogs.messages.empty());
  form->close();
}

TEST_F(CategoryWindowTest, PickingAMemberDiscShowsItsContent) {
  auto form = start({{"plyty", kSixDiscs},
                     {"kat", "<n>K</n>\r\n"},
                     {"k0", "3\r\n1\r\n"},
                     {"cd1", "<n>a.txt</n>\r\n<n>b.txt</n>\r\n"}});
  show(*form, 0);
  pick(*form->ListBox5, 1);
  form->ListBox5Click();
  EXPECT_EQ(form->categoryDisc(), 1);
  ASSERT_EQ(form->ListBox6->model()->rowCount(), 2);
  EXPECT_EQ(row(*form->ListBox6, 1), QStringLiteral("<n>b.txt</n>"));
  // A member disc without a content list shows none.
  pick(*form->ListBox5, 0);
  form->ListBox5Click();
  EXPECT_EQ(form->categoryDisc(), 3);
  EXPECT_EQ(form->ListBox6->model()->rowCount(), 0);
  form->close();
}

TEST_F(CategoryWindowTest, ACategoryWithoutMemberFileShowsNoDiscs) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", "<n>K</n>\r\n"}});
  show(*form, 0);
  EXPECT_EQ(form->ListBox5->model()->rowCount(), 0);
  EXPECT_TRUE(form->categoryMemberMap().empty());
  EXPECT_TRUE(dialogs.messages.empty());
  form->close();
}

TEST_F(CategoryWindowTest, ADamagedMemberFileIsShownWithoutItsBadLinesAndReportedOnce) {
  auto form = start({{"plyty", kSixDiscs},
                     {"kat", "<n>K</n>\r\n"},
                     {"k0", "5\r\nx\r\n17\r\n\r\n2\r\n"},
                     {"cd2", "<n>c.txt</n>\r\n"}});
  show(*form, 0);
  ASSERT_EQ(form->ListBox5->model()->rowCount(), 2);
  EXPECT_EQ(row(*form->ListBox5, 1), QStringLiteral("<n>D2</n>"));
  EXPECT_EQ(form->categoryMemberMap(), (Lines{"5", "2"}));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  const QString damaged = QStringLiteral(
                              "The category file \"%1\" is damaged; lines that are not disc "
                              "numbers were left out.")
                              .arg(QString::fromStdString(file(*form, "k0")));
  ExpectMessage(dialogs.messages[0], damaged, QStringLiteral("Error"), MessageIcon::Warning);

  // The second row is the second good line.
  pick(*form->ListBox5, 1);
  form->ListBox5Click();
  EXPECT_EQ(form->categoryDisc(), 2);
  EXPECT_EQ(form->ListBox6->model()->rowCount(), 1);
  EXPECT_EQ(dialogs.messages.size(), 1u);

  // The management view ticks the good lines and tells once more.
  manage(*form, 0);
  EXPECT_EQ(checkList(*form).checkedRows(), (std::vector<int>{2, 5}));
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].text, damaged);
  form->close();
}

TEST_F(CategoryWindowTest, TheDamagedFileIsReportedInPolish) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", "<n>K</n>\r\n"}, {"k0", "1\r\nx\r\n"}}, 1);
  show(*form, 0);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  ExpectMessage(dialogs.messages[0],
                QStringLiteral("Plik kategorii \"%1\" jest uszkodzony; pominięto wiersze, które "
                               "nie są numerami płyt.")
                    .arg(QString::fromStdString(file(*form, "k0"))),
                QStringLiteral("Błąd"), MessageIcon::Warning);
  form->close();
}

// Adding and renaming.

TEST_F(CategoryWindowTest, AddingANewNameWritesItAndPicksIt) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", "<n>Filmy</n>\r\n"}});
  show(*form, 0);
  dialogs.textAnswers.push_back(QStringLiteral("filmy"));
  form->Dodajnowkategori1->trigger();

  ASSERT_EQ(dialogs.prompts.size(), 1u);
  EXPECT_EQ(dialogs.prompts[0].caption, QStringLiteral("Adding a new category"));
  EXPECT_EQ(dialogs.prompts[0].prompt, QStringLiteral("Enter name for this category :"));
  EXPECT_EQ(dialogs.prompts[0].initialText, QString());
  EXPECT_EQ(read(*form, "kat"), "<n>Filmy</n>\r\n<n>filmy</n>\r\n");
  EXPECT_EQ(form->location().CategoryCount, 2);
  EXPECT_EQ(form->ListBox7->model()->rowCount(), 2);
  EXPECT_EQ(form->ListBox7->currentIndex().row(), 1);
  EXPECT_EQ(form->ComboBox2->count(), 2);
  EXPECT_EQ(form->ComboBox2->currentIndex(), 0);
  EXPECT_EQ(checkList(*form).rowCount(), 6);
  EXPECT_TRUE(checkList(*form).checkedRows().empty());
  EXPECT_EQ(saves(), 1u);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  ExpectMessage(dialogs.messages[0],
                QStringLiteral("New category \"filmy\" has been added to catalogue"),
                QStringLiteral("Information"), MessageIcon::Information);
  form->close();
}

TEST_F(CategoryWindowTest, AddingInPolishTellsInPolish) {
  auto form = start({{"plyty", ""}, {"kat", ""}}, 1);
  dialogs.textAnswers.push_back(QStringLiteral("Zdjęcia"));
  form->Dodajnowkategori1Click();
  EXPECT_EQ(dialogs.prompts.at(0).caption, QStringLiteral("Dodawanie nowej kategorii"));
  EXPECT_EQ(dialogs.prompts.at(0).prompt, QStringLiteral("Proszę podać nazwę kategorii :"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  ExpectMessage(dialogs.messages[0], QStringLiteral("Do katalogu dodano kategorię \"Zdjęcia\""),
                QStringLiteral("Informacja"), MessageIcon::Information);
  EXPECT_EQ(read(*form, "kat"), "<n>Zdjęcia</n>\r\n");
  form->close();
}

TEST_F(CategoryWindowTest, CancellingThePromptChangesNothing) {
  auto form = start({{"plyty", ""}, {"kat", "<n>A</n>\r\n"}});
  dialogs.textAnswers.push_back(std::nullopt);
  form->Dodajnowkategori1Click();
  manage(*form, 0);
  dialogs.textAnswers.push_back(std::nullopt);
  form->Zmienazwkategorii1Click();
  EXPECT_EQ(dialogs.prompts.size(), 2u);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(read(*form, "kat"), "<n>A</n>\r\n");
  EXPECT_EQ(saves(), 0u);
  form->close();
}

class RefusedNameTest : public CategoryWindowTest,
                        public ::testing::WithParamInterface<const char*> {};

TEST_P(RefusedNameTest, GivesTheWrongNameWarningOnAddAndRename) {
  auto form = start({{"plyty", ""}, {"kat", "<n>Filmy</n>\r\n<n>Gry</n>\r\n"}});
  dialogs.textAnswers.push_back(QString::fromUtf8(GetParam()));
  form->Dodajnowkategori1Click();
  manage(*form, 1);
  dialogs.textAnswers.push_back(QString::fromUtf8(GetParam()));
  form->Zmienazwkategorii1Click();

  ASSERT_EQ(dialogs.messages.size(), 2u);
  for (const MessageRequest& message : dialogs.messages) {
    ExpectMessage(message,
                  QStringLiteral("Wrong category name\nThis name already exists\nor the name "
                                 "field was empty"),
                  QStringLiteral("Information"), MessageIcon::Warning);
  }
  EXPECT_EQ(read(*form, "kat"), "<n>Filmy</n>\r\n<n>Gry</n>\r\n");
  EXPECT_EQ(form->ListBox7->model()->rowCount(), 2);
  EXPECT_EQ(saves(), 0u);
  form->close();
}

INSTANTIATE_TEST_SUITE_P(Names, RefusedNameTest,
                         ::testing::Values("Filmy", "", "a<n>b", "a</n>", "two\nlines",
                                           "two\rlines"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                           return "Name" + std::to_string(param.index);
                         });

TEST_F(CategoryWindowTest, RenamingToItsOwnNameIsAcceptedAndRewritesTheListUnchanged) {
  // Line feeds alone: the rewritten file shows by its CR LF line ends.
  auto form = start({{"plyty", ""}, {"kat", "<n>A</n>\n<n>B</n>\n<n>C</n>\n"}});
  show(*form, 2);
  manage(*form, 1);
  dialogs.textAnswers.push_back(QStringLiteral("B"));
  form->Zmienazwkategorii1Click();

  ASSERT_EQ(dialogs.prompts.size(), 1u);
  EXPECT_EQ(dialogs.prompts[0].caption, QStringLiteral("Category name change"));
  EXPECT_EQ(dialogs.prompts[0].prompt, QStringLiteral("Enter name for this category :"));
  EXPECT_EQ(dialogs.prompts[0].initialText, QStringLiteral("B"));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(read(*form, "kat"), kAbc);
  EXPECT_EQ(form->ListBox7->currentIndex().row(), 1);
  EXPECT_EQ(form->ComboBox2->currentIndex(), 2);
  EXPECT_EQ(saves(), 1u);
  form->close();
}

TEST_F(CategoryWindowTest, RenamingChangesTheLineInBothLists) {
  auto form = start({{"plyty", ""}, {"kat", kAbc}});
  manage(*form, 1);
  dialogs.textAnswers.push_back(QStringLiteral("Bb"));
  form->Zmienazwkategorii1->trigger();
  EXPECT_EQ(read(*form, "kat"), "<n>A</n>\r\n<n>Bb</n>\r\n<n>C</n>\r\n");
  EXPECT_EQ(row(*form->ListBox7, 1), QStringLiteral("<n>Bb</n>"));
  EXPECT_EQ(form->ComboBox2->itemText(1), QStringLiteral("<n>Bb</n>"));
  EXPECT_EQ(form->ComboBox2->currentIndex(), -1);
  form->close();
}

// Removing.

TEST_F(CategoryWindowTest, RemovingTheFirstMovesTheOthersMemberFilesDown) {
  auto form = start(
      {{"plyty", kSixDiscs}, {"kat", kAbc}, {"k0", "0\r\n"}, {"k1", "1\r\n"}, {"k2", "2\r\n"}});
  show(*form, 2);
  manage(*form, 0);
  dialogs.messageAnswers.push_back(MessageAnswer::Yes);
  form->Usutkategori1->trigger();

  ASSERT_EQ(dialogs.messages.size(), 1u);
  ExpectMessage(dialogs.messages[0],
                QStringLiteral("Czy napewno usunąć kategorię \"A\" z katalogu ?"),
                QStringLiteral("Question"), MessageIcon::Question, MessageButtons::YesNo);
  EXPECT_EQ(read(*form, "kat"), "<n>B</n>\r\n<n>C</n>\r\n");
  EXPECT_EQ(read(*form, "k0"), "1\r\n");
  EXPECT_EQ(read(*form, "k1"), "2\r\n");
  EXPECT_FALSE(exists(*form, "k2"));
  EXPECT_EQ(form->location().CategoryCount, 2);
  EXPECT_EQ(form->ListBox7->currentIndex().row(), 0);
  EXPECT_EQ(checkList(*form).checkedRows(), (std::vector<int>{1}));
  // The category page still shows C, now one up, with its discs.
  EXPECT_EQ(form->ComboBox2->currentIndex(), 1);
  EXPECT_EQ(form->ListBox5->model()->rowCount(), 1);
  EXPECT_EQ(saves(), 1u);
  form->close();
}

TEST_F(CategoryWindowTest, AnsweringNoRemovesNothing) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", kAbc}, {"k0", "0\r\n"}});
  manage(*form, 0);
  form->Usutkategori1Click();  // the scripted box answers No
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(read(*form, "kat"), kAbc);
  EXPECT_TRUE(exists(*form, "k0"));
  EXPECT_EQ(saves(), 0u);
  form->close();
}

TEST_F(CategoryWindowTest, RemovingTheShownLastCategoryEmptiesThePage) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", kAbc}, {"k2", "2\r\n"}});
  show(*form, 2);
  manage(*form, 2);
  dialogs.messageAnswers.push_back(MessageAnswer::Yes);
  form->Usutkategori1Click();
  EXPECT_EQ(form->ListBox7->currentIndex().row(), 1);
  EXPECT_EQ(form->ComboBox2->currentIndex(), 1);
  EXPECT_EQ(form->ListBox5->model()->rowCount(), 0);
  EXPECT_TRUE(form->categoryMemberMap().empty());
  form->close();
}

TEST_F(CategoryWindowTest, RemovingTheOnlyCategoryLeavesEverythingEmpty) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", "<n>A</n>\r\n"}, {"k0", "1\r\n"}});
  show(*form, 0);
  manage(*form, 0);
  dialogs.messageAnswers.push_back(MessageAnswer::Yes);
  form->Usutkategori1Click();
  EXPECT_EQ(read(*form, "kat"), "");
  EXPECT_FALSE(exists(*form, "k0"));
  EXPECT_EQ(form->ListBox7->model()->rowCount(), 0);
  EXPECT_FALSE(form->ListBox7->currentIndex().isValid());
  EXPECT_EQ(form->ComboBox2->count(), 0);
  EXPECT_EQ(form->ComboBox2->currentIndex(), -1);
  EXPECT_EQ(form->CheckListBox1->model()->rowCount(), 0);
  EXPECT_EQ(form->ListBox5->model()->rowCount(), 0);
  EXPECT_EQ(form->location().CategoryCount, 0);
  form->close();
}

TEST_F(CategoryWindowTest, AReadOnlyCategoryListIsReportedAndNothingIsRenumbered) {
  auto form = start(
      {{"plyty", kSixDiscs}, {"kat", kAbc}, {"k0", "0\r\n"}, {"k1", "1\r\n"}, {"k2", "2\r\n"}});
  ASSERT_EQ(::chmod(file(*form, "kat").c_str(), 0444), 0);
  manage(*form, 0);
  dialogs.messageAnswers.push_back(MessageAnswer::Yes);
  form->Usutkategori1Click();

  ASSERT_EQ(dialogs.messages.size(), 2u);
  ExpectMessage(dialogs.messages[1],
                QStringLiteral("Cannot write the file \"%1\": Permission denied")
                    .arg(QString::fromStdString(file(*form, "kat"))),
                QStringLiteral("Error"), MessageIcon::Error);
  EXPECT_EQ(read(*form, "kat"), kAbc);
  EXPECT_EQ(read(*form, "k0"), "0\r\n");
  EXPECT_EQ(read(*form, "k1"), "1\r\n");
  EXPECT_EQ(read(*form, "k2"), "2\r\n");
  EXPECT_EQ(form->ListBox7->model()->rowCount(), 3);
  EXPECT_EQ(form->location().CategoryCount, 3);
  EXPECT_EQ(saves(), 0u);
  form->close();
}

// Moving.

TEST_F(CategoryWindowTest, MovingUpSwapsLinesAndMemberFilesAndThePageFollows) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", kAbc}, {"k0", "0\r\n"}, {"k1", "1\r\n"}});
  show(*form, 1);  // the page shows B
  manage(*form, 1);
  form->Przesukategoridogry1->trigger();
  EXPECT_EQ(read(*form, "kat"), "<n>B</n>\r\n<n>A</n>\r\n<n>C</n>\r\n");
  EXPECT_EQ(read(*form, "k0"), "1\r\n");
  EXPECT_EQ(read(*form, "k1"), "0\r\n");
  EXPECT_FALSE(exists(*form, "kt1"));
  EXPECT_EQ(form->ListBox7->currentIndex().row(), 0);
  EXPECT_EQ(checkList(*form).checkedRows(), (std::vector<int>{1}));
  EXPECT_EQ(form->ComboBox2->currentIndex(), 0);
  EXPECT_EQ(saves(), 1u);

  // Moving it back down: the page showing it follows again.
  form->Przesuojednpozycjwd1->trigger();
  EXPECT_EQ(read(*form, "kat"), kAbc);
  EXPECT_EQ(read(*form, "k1"), "1\r\n");
  EXPECT_EQ(form->ListBox7->currentIndex().row(), 1);
  EXPECT_EQ(form->ComboBox2->currentIndex(), 1);
  form->close();
}

TEST_F(CategoryWindowTest, ThePageShowingTheNeighbourKeepsShowingIt) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", kAbc}, {"k0", "0\r\n"}, {"k1", "1\r\n"}});
  show(*form, 0);  // the page shows A
  manage(*form, 1);
  form->Przesukategoridogry1Click();
  EXPECT_EQ(form->ComboBox2->currentIndex(), 1);
  EXPECT_EQ(form->ComboBox2->currentText(), QStringLiteral("<n>A</n>"));
  pick(*form->ListBox5, 0);
  form->ListBox5Click();
  EXPECT_EQ(form->categoryDisc(), 0);
  form->close();
}

struct NoMoveCase {
  const char* title;
  int picked;  // -1: none
  bool up;
};

class NoMoveTest : public CategoryWindowTest, public ::testing::WithParamInterface<NoMoveCase> {};

TEST_P(NoMoveTest, ChangesNothing) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", kAbc}, {"k0", "0\r\n"}});
  if (GetParam().picked >= 0) manage(*form, GetParam().picked);
  GetParam().up ? form->Przesukategoridogry1Click() : form->Przesuojednpozycjwd1Click();
  EXPECT_EQ(read(*form, "kat"), kAbc);
  EXPECT_EQ(read(*form, "k0"), "0\r\n");
  EXPECT_EQ(saves(), 0u);
  form->close();
}

INSTANTIATE_TEST_SUITE_P(Cases, NoMoveTest,
                         ::testing::Values(NoMoveCase{"FirstUp", 0, true},
                                           NoMoveCase{"LastDown", 2, false},
                                           NoMoveCase{"NothingPickedUp", -1, true},
                                           NoMoveCase{"NothingPickedDown", -1, false}),
                         [](const ::testing::TestParamInfo<NoMoveCase>& param) {
                           return param.param.title;
                         });

// Storing the members.

TEST_F(CategoryWindowTest, StoringTheTickedDiscsWritesThemAscendingAndListsThem) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", "<n>K</n>\r\n"}, {"k0", "1\r\n"}});
  show(*form, 0);
  manage(*form, 0);
  LineListModel& discs = checkList(*form);
  EXPECT_EQ(discs.checkedRows(), (std::vector<int>{1}));
  discs.setChecked(1, false);
  for (const int disc : {5, 0, 3}) discs.setChecked(disc, true);
  form->BitBtn8->click();

  EXPECT_EQ(read(*form, "k0"), "0\r\n3\r\n5\r\n");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  ExpectMessage(dialogs.messages[0],
                QStringLiteral("Categorie \"K\" contains following CDs :\n\nD0\nD3\nD5\n"),
                QStringLiteral("Information"), MessageIcon::Information);
  EXPECT_TRUE(form->BitBtn8->isEnabled());
  EXPECT_EQ(form->ListBox5->model()->rowCount(), 0);
  EXPECT_EQ(saves(), 1u);
  form->close();
}

TEST_F(CategoryWindowTest, StoringListsTheDiscsInPolish) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", "<n>Płyty</n>\r\n"}}, 1);
  manage(*form, 0);
  checkList(*form).setChecked(4, true);
  form->BitBtn8Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  ExpectMessage(dialogs.messages[0],
                QStringLiteral("W kategorii \"Płyty\" zapisano następujące płyty :\n\nD4\n"),
                QStringLiteral("Informacja"), MessageIcon::Information);
  form->close();
}

TEST_F(CategoryWindowTest, StoringWithNothingTickedKeepsTheOldMembers) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", "<n>K</n>\r\n"}, {"k0", "1\r\n"}});
  manage(*form, 0);
  checkList(*form).setChecked(1, false);
  form->BitBtn8Click();
  EXPECT_EQ(read(*form, "k0"), "1\r\n");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(form->BitBtn8->isEnabled());
  EXPECT_EQ(saves(), 0u);
  form->close();
}

TEST_F(CategoryWindowTest, AReadOnlyMemberFileIsReported) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", "<n>K</n>\r\n"}, {"k0", "1\r\n"}});
  ASSERT_EQ(::chmod(file(*form, "k0").c_str(), 0444), 0);
  manage(*form, 0);
  checkList(*form).setChecked(2, true);
  form->BitBtn8Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  ExpectMessage(dialogs.messages[0],
                QStringLiteral("Cannot write the file \"%1\": Permission denied")
                    .arg(QString::fromStdString(file(*form, "k0"))),
                QStringLiteral("Error"), MessageIcon::Error);
  EXPECT_EQ(read(*form, "k0"), "1\r\n");
  EXPECT_TRUE(form->BitBtn8->isEnabled());
  EXPECT_EQ(saves(), 0u);
  form->close();
}

TEST_F(CategoryWindowTest, WithNoCategoryPickedTheCommandsDoNothing) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", kAbc}});
  form->ListBox7Click();
  form->BitBtn8Click();
  form->Zmienazwkategorii1Click();
  form->Usutkategori1Click();
  EXPECT_EQ(form->CheckListBox1->model()->rowCount(), 0);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(dialogs.prompts.empty());
  EXPECT_EQ(read(*form, "kat"), kAbc);
  form->close();
}

// The check boxes of the disc list.

TEST_F(CategoryWindowTest, TheUserTicksADiscWithAClickOnItsBoxOrTheSpaceKey) {
  auto form = start({{"plyty", kSixDiscs}, {"kat", "<n>K</n>\r\n"}});
  form->ShowPage(Page::Management);
  form->ToolButton2Click();
  manage(*form, 0);
  QListView& list = *form->CheckListBox1;
  const QModelIndex third = list.model()->index(2, 0);
  QStyleOptionViewItem option;
  option.initFrom(&list);
  option.widget = &list;
  option.rect = list.visualRect(third);
  const auto* delegate = qobject_cast<CheckBoxDelegate*>(list.itemDelegate());
  ASSERT_NE(delegate, nullptr);
  const QPoint box = delegate->checkRect(option, third).center();
  ASSERT_TRUE(list.viewport()->rect().contains(box));

  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent click(type, box, list.viewport()->mapToGlobal(box), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &click);
  }
  EXPECT_EQ(checkList(*form).checkedRows(), (std::vector<int>{2}));

  list.setCurrentIndex(third);
  QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
  QApplication::sendEvent(&list, &space);
  EXPECT_TRUE(checkList(*form).checkedRows().empty());
  form->close();
}

TEST_F(CategoryWindowTest, TickedAndUntickedBoxesAreDrawnDifferently) {
  auto form = start({{"plyty", kSixDiscs},
                     {"kat", "<n>Filmy</n>\r\n<n>Muzyka</n>\r\n<n>Zdjęcia z wakacji</n>\r\n"},
                     {"k1", "5\r\n1\r\n3\r\n"},
                     {"cd1", "<n>Koncert\\01.mp3</n><r>4.20 MB</r>\r\n<n>okładka.jpg</n>\r\n"}},
                    1);
  form->ShowPage(Page::Categories);
  show(*form, 1);
  pick(*form->ListBox5, 1);
  form->ListBox5Click();
  QApplication::processEvents();
  const char* shots = std::getenv("SPINFOLIO_CATEGORY_SHOTS");
  if (shots != nullptr)
    form->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/categories-page.png"));

  form->ShowPage(Page::Management);
  form->ToolButton2Click();
  manage(*form, 1);
  QApplication::processEvents();
  if (shots != nullptr)
    form->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/categories-manage.png"));

  QListView& list = *form->CheckListBox1;
  const auto* delegate = qobject_cast<CheckBoxDelegate*>(list.itemDelegate());
  ASSERT_NE(delegate, nullptr);
  const QImage drawn = list.viewport()->grab().toImage();
  const auto box = [&](int row) {
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.widget = &list;
    option.rect = list.visualRect(list.model()->index(row, 0));
    return drawn.copy(delegate->checkRect(option, list.model()->index(row, 0)));
  };
  EXPECT_EQ(box(1), box(3));  // both ticked
  EXPECT_EQ(box(0), box(2));  // both unticked
  EXPECT_NE(box(0), box(1));
  form->close();
}

TEST(LineListModelTest, OnlyACheckableListHasCheckBoxesAndNewLinesAreUnticked) {
  LineListModel model;
  model.setLines({"a", "b"});
  EXPECT_FALSE(model.flags(model.index(0)).testFlag(Qt::ItemIsUserCheckable));
  EXPECT_FALSE(model.index(0).data(Qt::CheckStateRole).isValid());
  EXPECT_FALSE(model.setData(model.index(0), Qt::Checked, Qt::CheckStateRole));

  model.setCheckable(true);
  EXPECT_TRUE(model.flags(model.index(0)).testFlag(Qt::ItemIsUserCheckable));
  EXPECT_TRUE(model.setData(model.index(1), Qt::Checked, Qt::CheckStateRole));
  EXPECT_EQ(model.index(1).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_EQ(model.checkedRows(), (std::vector<int>{1}));
  model.setLines({"c", "d", "e"});
  EXPECT_TRUE(model.checkedRows().empty());
  model.setChecked(7, true);  // no such row
  EXPECT_TRUE(model.checkedRows().empty());
}

}  // namespace
}  // namespace spinfolio::test
