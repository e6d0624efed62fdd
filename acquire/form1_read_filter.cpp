// The read-filter settings dialog, opened from the options page.

#include "acquire/read_filter_dialog.h"
#include "shell/background_pictures.h"
#include "shell/form1.h"

namespace spinfolio {

void TForm1::BitBtn9Click() {
  TForm10 dialog(languageIndex_, iniPath(), *context_.dialogs, this);
  dialog.setBackground(backgroundsOn() ? BackgroundPicture(5) : QPixmap());
  if (dialog.exec() == QDialog::Accepted) readFilter_ = dialog.filter();
}

}  // namespace spinfolio
