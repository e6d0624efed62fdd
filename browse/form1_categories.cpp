// Categories: the category page and the category management view.

#include <QAction>
#include <QComboBox>
#include <QListView>
#include <QPushButton>

#include "catalog/categories.h"
#include "catalog/reading_rules.h"
#include "common/catalog_names.h"
#include "common/file_ops.h"
#include "platform/code_page.h"
#include "platform/dialogs.h"
#include "shell/busy_cursor.h"
#include "shell/failure_messages.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"
#include "shell/string_table.h"

namespace spinfolio {
namespace {

constexpr int kNameTitleChange = 307;
constexpr int kNamePrompt = 308;
constexpr int kWrongName = 309;
constexpr int kNameTitleAdd = 310;

QString Decoded(std::string_view bytes) { return CodePage::System().decode(bytes); }

QString InLanguage(int languageIndex, const QString& english, const QString& polish) {
  return languageIndex == 0 ? english : polish;
}

int PickedRow(const QListView& list) {
  const QModelIndex picked = list.currentIndex();
  return picked.isValid() ? picked.row() : -1;
}

void PickRow(QListView& list, int row) { list.setCurrentIndex(list.model()->index(row, 0)); }

// The name of the category in a line of "kat"; empty for a row that is not there.
std::string CategoryNameAt(const Lines& categories, int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= categories.size()) return {};
  return TagValue(categories[static_cast<std::size_t>(row)], "<n>");
}

// The disc entries of the discs, in their order.
Lines EntriesOf(const Lines& discList, const std::vector<int>& discs) {
  Lines entries;
  entries.reserve(discs.size());
  for (const int disc : discs) entries.push_back(discList[static_cast<std::size_t>(disc)]);
  return entries;
}

bool IsNameAccepted(const std::string& catalogFolder, const std::string& name, int skipIndex) {
  return IsCategoryNameUsable(name) && IsCategoryNameFree(catalogFolder, name, skipIndex);
}

MessageRequest WrongNameWarning(int languageIndex) {
  return {LocalText(kWrongName, languageIndex), LocalText(kCaptionInformation, languageIndex),
          MessageIcon::Warning, MessageButtons::Ok};
}

MessageRequest DamagedMemberFile(const std::string& file, int languageIndex) {
  return {
      InLanguage(languageIndex,
                 QStringLiteral("The category file \"%1\" is damaged; lines that are not disc "
                                "numbers were left out."),
                 QStringLiteral("Plik kategorii \"%1\" jest uszkodzony; pominięto wiersze, które "
                                "nie są numerami płyt."))
          .arg(NativeText(file)),
      LocalText(kCaptionError, languageIndex), MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace

void TForm1::connectCategoryHandlers() {
  connect(BitBtn8, &QPushButton::clicked, this, &TForm1::BitBtn8Click);
  connect(Dodajnowkategori1, &QAction::triggered, this, &TForm1::Dodajnowkategori1Click);
  connect(Zmienazwkategorii1, &QAction::triggered, this, &TForm1::Zmienazwkategorii1Click);
  connect(Usutkategori1, &QAction::triggered, this, &TForm1::Usutkategori1Click);
  connect(Przesukategoridogry1, &QAction::triggered, this, &TForm1::Przesukategoridogry1Click);
  connect(Przesuojednpozycjwd1, &QAction::triggered, this, &TForm1::Przesuojednpozycjwd1Click);
}

void TForm1::ComboBox2Change() {
  categoryMemberMap_.clear();
  BusyCursor busy;
  categoryMembers_->clear();
  categoryContent_->clear();
  const int category = ComboBox2->currentIndex();
  const std::string folder = location_.catalogFolder();
  if (category >= 0 && FileExists(folder + MemberFileName(category))) {
    const Lines discList = ReadLinesOrEmpty(folder + kDiscListFile);
    const CategoryMembers members =
        ReadCategoryMembers(folder, category, static_cast<int>(discList.size()));
    // Only the lines that name a disc go into the map, so line i is the disc of row i.
    categoryMemberMap_ = DecimalLines(members.discs);
    categoryMembers_->setLines(EntriesOf(discList, members.discs));
    if (members.damaged) {
      const std::string memberFile = folder + MemberFileName(category);
      busy.end();
      context_.dialogs->showMessage(this, DamagedMemberFile(memberFile, languageIndex_));
    }
  }
  busy.end();
  ComboBox2->setFocus();
}

void TForm1::ListBox5Click() {
  const int row = PickedRow(*ListBox5);
  if (row < 0) return;
  BusyCursor busy;
  categoryContent_->clear();
  const std::string folder = location_.catalogFolder();
  const int category = ComboBox2->currentIndex();
  const std::vector<int> discs =
      category >= 0 ? ReadCategoryMembers(folder, category, location_.DiscCount).discs
                    : std::vector<int>{};
  categoryMemberMap_ = DecimalLines(discs);
  if (static_cast<std::size_t>(row) < discs.size()) {
    categoryDisc_ = discs[static_cast<std::size_t>(row)];
    const std::string contentFile = folder + ContentFileName(categoryDisc_);
    if (FileExists(contentFile)) categoryContent_->setLines(ReadLinesOrEmpty(contentFile));
  }
  busy.end();
  ListBox5->setFocus();
}

void TForm1::ListBox7Click() {
  const int category = PickedRow(*ListBox7);
  if (category < 0) return;
  categoryDiscs_->setLines(discLinesBrowse_->lines());
  const std::string folder = location_.catalogFolder();
  const CategoryMembers members = ReadCategoryMembers(folder, category, categoryDiscs_->rowCount());
  for (const int disc : members.discs) categoryDiscs_->setChecked(disc, true);
  if (members.damaged) {
    context_.dialogs->showMessage(
        this, DamagedMemberFile(folder + MemberFileName(category), languageIndex_));
  }
}

void TForm1::BitBtn8Click() {
  const int category = PickedRow(*ListBox7);
  if (category < 0) return;
  BusyCursor busy;
  QString text =
      InLanguage(languageIndex_, QStringLiteral("Categorie \"%1\" contains following CDs :\n\n"),
                 QStringLiteral("W kategorii \"%1\" zapisano następujące płyty :\n\n"))
          .arg(Decoded(CategoryNameAt(categoryLinesManage_->lines(), category)));
  BitBtn8->setEnabled(false);
  const std::vector<int> discs = categoryDiscs_->checkedRows();
  for (const int disc : discs) {
    text += Decoded(DiscName(categoryDiscs_->lines()[static_cast<std::size_t>(disc)])) +
            QLatin1Char('\n');
  }
  // With nothing ticked nothing is written: a category is never emptied by unticking.
  if (!discs.empty()) {
    if (const auto failure = StoreCategoryMembers(location_.catalogFolder(), category, discs)) {
      busy.end();
      context_.dialogs->showMessage(this, FileWriteFailure(*failure, languageIndex_));
    } else {
      categoryMembers_->clear();
      categoryContent_->clear();
      categoryMemberMap_.clear();
      busy.end();
      SaveAfterChange();
      context_.dialogs->showMessage(this, {text, LocalText(kCaptionInformation, languageIndex_),
                                           MessageIcon::Information, MessageButtons::Ok});
    }
  }
  BitBtn8->setEnabled(true);
}

void TForm1::Dodajnowkategori1Click() {
  const std::optional<QString> typed = context_.dialogs->askText(
      this, {LocalText(kNameTitleAdd, languageIndex_), LocalText(kNamePrompt, languageIndex_), {}});
  if (!typed) return;
  const std::string folder = location_.catalogFolder();
  const std::string name = CodePage::System().encode(*typed);
  if (!IsNameAccepted(folder, name, -1)) {
    context_.dialogs->showMessage(this, WrongNameWarning(languageIndex_));
    return;
  }
  BusyCursor busy;
  const CategoryListChange change = AddCategory(folder, name);
  if (change.failure) {
    busy.end();
    context_.dialogs->showMessage(this, FileWriteFailure(*change.failure, languageIndex_));
    return;
  }
  showCategoryLines(change.categories, ComboBox2->currentIndex());
  PickRow(*ListBox7, location_.CategoryCount - 1);
  ListBox7Click();
  SaveAfterChange();
  busy.end();
  const QString shown = Decoded(name);
  context_.dialogs->showMessage(
      this,
      {InLanguage(languageIndex_, QStringLiteral("New category \"%1\" has been added to catalogue"),
                  QStringLiteral("Do katalogu dodano kategorię \"%1\""))
           .arg(shown),
       InLanguage(languageIndex_, QStringLiteral("Information"), QStringLiteral("Informacja")),
       MessageIcon::Information, MessageButtons::Ok});
}

void TForm1::Zmienazwkategorii1Click() {
  const int category = PickedRow(*ListBox7);
  if (category < 0) return;
  const std::string folder = location_.catalogFolder();
  const std::string current =
      CategoryNameAt(ReadLinesOrEmpty(folder + kCategoryListFile), category);
  const std::optional<QString> typed =
      context_.dialogs->askText(this, {LocalText(kNameTitleChange, languageIndex_),
                                       LocalText(kNamePrompt, languageIndex_), Decoded(current)});
  if (!typed) return;
  const std::string name = CodePage::System().encode(*typed);
  if (!IsNameAccepted(folder, name, category)) {
    context_.dialogs->showMessage(this, WrongNameWarning(languageIndex_));
    return;
  }
  const CategoryListChange change = RenameCategory(folder, category, name);
  if (change.failure) {
    context_.dialogs->showMessage(this, FileWriteFailure(*change.failure, languageIndex_));
    return;
  }
  showCategoryLines(change.categories, ComboBox2->currentIndex());
  PickRow(*ListBox7, category);
  ListBox7Click();
  SaveAfterChange();
}

void TForm1::Usutkategori1Click() {
  const int category = PickedRow(*ListBox7);
  if (category < 0) return;
  // The question is Polish in both languages.
  const QString name = Decoded(CategoryNameAt(categoryLinesManage_->lines(), category));
  const MessageAnswer answer = context_.dialogs->showMessage(
      this,
      {QStringLiteral("Czy napewno usunąć kategorię \"%1\" z katalogu ?").arg(name),
       LocalText(kCaptionQuestion, languageIndex_), MessageIcon::Question, MessageButtons::YesNo});
  if (answer != MessageAnswer::Yes) return;

  BusyCursor busy;
  const int browsePick = ComboBox2->currentIndex();
  const CategoryListChange change = RemoveCategory(location_.catalogFolder(), category);
  if (change.failure) {
    busy.end();
    context_.dialogs->showMessage(this, FileWriteFailure(*change.failure, languageIndex_));
    return;
  }
  const int count = static_cast<int>(change.categories.size());
  // The category page keeps its category: one up when it lay after the removed one, or when the
  // last one was removed while shown.
  const int browseKept = browsePick == count || browsePick > category ? browsePick - 1 : browsePick;
  showCategoryLines(change.categories, browseKept);
  categoryDiscs_->clear();
  if (count > 0) {
    PickRow(*ListBox7, category == count ? category - 1 : category);
    ListBox7Click();
  }
  if (browsePick == category) {
    categoryMembers_->clear();
    categoryContent_->clear();
    categoryMemberMap_.clear();
  }
  SaveAfterChange();
}

void TForm1::Przesukategoridogry1Click() { moveCategory(CategoryMove::Up); }

void TForm1::Przesuojednpozycjwd1Click() { moveCategory(CategoryMove::Down); }

void TForm1::moveCategory(CategoryMove move) {
  const int category = PickedRow(*ListBox7);
  const int neighbour = move == CategoryMove::Up ? category - 1 : category + 1;
  if (category < 0 || neighbour < 0 || neighbour >= categoryLinesManage_->rowCount()) return;
  BusyCursor busy;
  const CategoryListChange change = MoveCategory(location_.catalogFolder(), category, move);
  if (change.failure) {
    busy.end();
    context_.dialogs->showMessage(this, FileWriteFailure(*change.failure, languageIndex_));
    return;
  }
  // The category page's pick follows the category it shows, the moved one or its neighbour, so
  // the discs it lists stay those of the picked category.
  int browsePick = ComboBox2->currentIndex();
  if (browsePick == category) {
    browsePick = neighbour;
  } else if (browsePick == neighbour) {
    browsePick = category;
  }
  showCategoryLines(change.categories, browsePick);
  PickRow(*ListBox7, neighbour);
  ListBox7Click();
  busy.end();
  SaveAfterChange();
}

void TForm1::showCategoryLines(const Lines& categories, int browsePick) {
  location_.CategoryCount = static_cast<int>(categories.size());
  categoryLinesManage_->setLines(categories);
  categoryLinesBrowse_->setLines(categories);
  // A refilled drop-down may pick a row of its own; only the given one counts.
  ComboBox2->setCurrentIndex(browsePick < location_.CategoryCount ? browsePick : -1);
}

}  // namespace spinfolio
