// The file information window of a content entry, opened by a double click in any of the four
// content lists.

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QListView>
#include <QRadioButton>

#include "browse/file_info_window.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"

namespace spinfolio {
namespace {

// Opens the window for the picked row of the list; nothing when no row is picked.
void ShowPickedEntry(TForm1& form, const QListView& list, ContentListKind kind) {
  const QModelIndex row = list.currentIndex();
  if (!row.isValid()) return;
  const QByteArray entry = row.data(LineListModel::RawLineRole).toByteArray();
  const int disc = FileInfoDiscFor(kind, form.categoryDisc(), form.searchDisc(),
                                   form.RadioButton4->isChecked(), form.ComboBox4->currentIndex());
  form.ShowFileInfo(entry.toStdString(), disc);
}

}  // namespace

void TForm1::ShowFileInfo(const std::string& entry, int disc) {
  FileInfoRequest request;
  request.entry = entry;
  request.disc = disc;
  request.catalogFolder = location().catalogFolder();
  request.photoFolder = location().PhotoFolder;
  request.languageIndex = languageIndex();
  // The backgrounds option counts when its box is offered (the library is present) and ticked.
  request.backgrounds = backgroundsOn();
  request.mainWindow = frameGeometry();
  request.pointer = QCursor::pos();
  const std::unique_ptr<TForm3> window = BuildFileInfo(request, this);
  window->exec();
}

void TForm1::ListBox2DblClick() { ShowPickedEntry(*this, *ListBox2, ContentListKind::Browse); }

void TForm1::ListBox6DblClick() { ShowPickedEntry(*this, *ListBox6, ContentListKind::Categories); }

void TForm1::ListBox4DblClick() { ShowPickedEntry(*this, *ListBox4, ContentListKind::Search); }

void TForm1::ListBox1DblClick() { ShowPickedEntry(*this, *ListBox1, ContentListKind::Management); }

}  // namespace spinfolio
