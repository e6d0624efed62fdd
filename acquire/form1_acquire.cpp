// The management page's disc chooser.

#include <QComboBox>

#include "catalog/catalog_files.h"
#include "common/file_ops.h"
#include "shell/busy_cursor.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"

namespace spinfolio {

void TForm1::ComboBox4Change() {
  const int disc = ComboBox4->currentIndex();
  if (disc < 0) return;
  const BusyCursor busy;
  const std::string contentFile = location_.catalogFolder() + ContentFileName(disc);
  // A missing content list leaves the pending list as it is.
  if (FileExists(contentFile)) pendingContent_->setLines(ReadLinesOrEmpty(contentFile));
}

}  // namespace spinfolio
