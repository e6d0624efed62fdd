// The search page: finding the discs whose titles, content lists or descriptions hold a text.

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QValidator>

#include "browse/catalog_search.h"
#include "catalog/catalog_files.h"
#include "common/catalog_names.h"
#include "common/file_ops.h"
#include "platform/code_page.h"
#include "platform/dialogs.h"
#include "shell/busy_cursor.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"
#include "shell/string_table.h"

namespace spinfolio {
namespace {

// Turns every letter of the query box into lower case as it is typed or pasted, keeping the
// cursor in its place. QString::toLower is the rule CodePage::lower applies between decoding
// and encoding, so the box shows the letters the search compares; a letter the code page lacks
// stays readable in the box instead of turning into "?".
class LowerCaseValidator final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override {
    position = static_cast<int>(input.first(position).toLower().size());
    input = input.toLower();
    return Acceptable;
  }
};

// Holds what a running search changes: the busy cursor and the disabled query box and button.
// The search lets the window repaint, so a request to close the window can arrive meanwhile;
// it is carried out once the search has ended, not while the catalog folder is being read.
class SearchRun final : public QObject {
 public:
  explicit SearchRun(TForm1& form) : form_(form) {
    form_.Edit3->setEnabled(false);
    form_.BitBtn12->setEnabled(false);
    form_.installEventFilter(this);
  }
  SearchRun(const SearchRun&) = delete;
  SearchRun& operator=(const SearchRun&) = delete;

  ~SearchRun() override {
    form_.removeEventFilter(this);
    form_.Edit3->setEnabled(true);
    form_.BitBtn12->setEnabled(true);
    form_.Edit3->setFocus();
    busy_.end();
    if (closeRequested_) {
      QMetaObject::invokeMethod(
          &form_, [form = &form_] { form->close(); }, Qt::QueuedConnection);
    }
  }

  /// Lets the window repaint; input waits, so nothing else can start.
  static void repaint() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &form_ || event->type() != QEvent::Close) return false;
    closeRequested_ = true;
    event->ignore();
    return true;
  }

 private:
  TForm1& form_;
  BusyCursor busy_;
  bool closeRequested_ = false;
};

}  // namespace

void TForm1::connectSearchHandlers() {
  Edit3->setValidator(new LowerCaseValidator(Edit3));
  connect(Edit3, &QLineEdit::textChanged, this, &TForm1::Edit3Change);
  // Enter runs the search even while the button is disabled.
  connect(Edit3, &QLineEdit::returnPressed, this, [this] { Edit3KeyPress('\r'); });
  connect(BitBtn12, &QPushButton::clicked, this, &TForm1::BitBtn12Click);
  // A row picked by the mouse or the keyboard.
  connect(ListBox3->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &TForm1::ListBox3Click);
}

void TForm1::showSearchMessage(int polishId) {
  context_.dialogs->showMessage(
      this, {LocalText(polishId, languageIndex_), LocalText(kCaptionInformation, languageIndex_),
             MessageIcon::Information, MessageButtons::Ok});
}

void TForm1::BitBtn12Click() {
  const SearchScopes scopes{.titles = CheckBox1->isChecked(),
                            .content = CheckBox2->isChecked(),
                            .descriptions = CheckBox3->isChecked()};
  if (!scopes.any()) {
    showSearchMessage(302);
    return;
  }
  if (Edit3->text().isEmpty()) {
    showSearchMessage(303);
    return;
  }
  const SearchRun run(*this);
  const CodePage& codePage = CodePage::System();
  searchQuery_ = codePage.encode(Edit3->text());
  searchResultMap_.clear();
  searchDiscs_->clear();
  searchContent_->clear();

  const std::string folder = location_.catalogFolder();
  const Lines& entries = discLinesBrowse_->lines();
  const std::vector<int> found = SearchCatalog({.catalogFolder = folder,
                                                .discEntries = entries,
                                                .discCount = location_.DiscCount,
                                                .scopes = scopes,
                                                .query = searchQuery_,
                                                .codePage = codePage,
                                                .progress = &SearchRun::repaint});
  Lines rows;
  rows.reserve(found.size());
  searchResultMap_.reserve(found.size());
  for (const int disc : found) {
    const auto index = static_cast<std::size_t>(disc);
    rows.push_back(index < entries.size() ? entries[index] : std::string());
    searchResultMap_.push_back(std::to_string(disc));
  }
  searchDiscs_->setLines(std::move(rows));
}

void TForm1::Edit3Change() { BitBtn12->setEnabled(!Edit3->text().isEmpty()); }

void TForm1::Edit3KeyPress(char key) {
  if (key == '\r') BitBtn12Click();
}

void TForm1::ListBox3Click() {
  const QModelIndex picked = ListBox3->currentIndex();
  if (!picked.isValid()) return;
  const BusyCursor busy;
  searchContent_->clear();
  searchDisc_ = MappedDisc(searchResultMap_, picked.row());
  const std::string contentFile = location_.catalogFolder() + ContentFileName(searchDisc_);
  searchContent_->setLines(FileExists(contentFile) ? ReadLinesOrEmpty(contentFile) : Lines{});
  ListBox3->setFocus();
}

}  // namespace spinfolio
