// The read command of the management page.

#include <QApplication>
#include <QComboBox>
#include <QLocale>

#include "acquire/disc_scanner.h"
#include "acquire/drive_tray.h"
#include "platform/code_page.h"
#include "platform/dialogs.h"
#include "shell/busy_cursor.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"
#include "shell/picture_button.h"
#include "shell/string_table.h"

namespace spinfolio {

namespace {

// Ends the busy cursor and the running read whichever way the command ends.
class ReadScope {
 public:
  explicit ReadScope(bool& reading) : reading_(reading) { reading_ = true; }
  ~ReadScope() { reading_ = false; }
  ReadScope(const ReadScope&) = delete;
  ReadScope& operator=(const ReadScope&) = delete;

 private:
  bool& reading_;
  BusyCursor busy_;
};

}  // namespace

void TForm1::Image4Click() {
  // Events are processed during the read, so a second click could start it again.
  if (reading_) return;
  ReadScope scope(reading_);
  pendingContent_->clear();

  const QString caption = LocalText(kCaptionInformation, languageIndex_);
  const auto inform = [&](const QString& text) {
    context_.dialogs->showMessage(this,
                                  {text, caption, MessageIcon::Information, MessageButtons::Ok});
  };

  const std::optional<std::string> volume = VolumeFolder(driveRoot_);
  if (!volume) {
    if (!Image6->isHidden()) {
      Image7->show();
      Image6->hide();
    }
    inform(LocalText(305, languageIndex_));
    return;
  }

  const CodePage& codePage = CodePage::System();
  DiscScan scan;
  scan.filter = readFilter_;
  scan.decimalSeparator = codePage.encode(QLocale::system().decimalPoint());
  scan.processEvents = [] { QApplication::processEvents(); };
  Lines entries;
  entries.reserve(4096);
  ReadDiscTree(*volume, scan, codePage, entries);

  if (entries.empty()) {
    inform(languageIndex_ == 0
               ? QStringLiteral(
                     "No files loaded\nCD could be empty of CD filtering don't allow to get all "
                     "files from CD\nCD filtering settings are in:\nSettings->Getting CD content "
                     "settings")
               : QStringLiteral(
                     "Nie wczytano plików z płyty\nPłyta jest pusta lub ustawiono filtrowanie "
                     "przez które nie wczytały się pliki\nOpcje filtrowania można ustawić w:\n"
                     "Opcje programu->Ustawienia wczytywania plików z CD"));
    return;
  }
  pendingContent_->setLines(std::move(entries));
  Image6->show();
  Image7->hide();
  inform(LocalText(304, languageIndex_));
  if (ComboBox7->currentIndex() == 1) DriveTray(true, driveRoot_);
}

}  // namespace spinfolio
