// The drive chooser of the options page: the drives of the shown kinds, the chosen drive root
// and the drive kinds menu.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPainter>

#include "acquire/drive_list.h"
#include "browse/list_painters.h"
#include "browse/painter_canvas.h"
#include "platform/code_page.h"
#include "shell/draw_item_delegate.h"
#include "shell/form1.h"

namespace spinfolio {
namespace {

constexpr int kDriveItemHeight = 18;
// What each item of the drive chooser holds besides its text.
constexpr int kRootRole = Qt::UserRole;      // the drive root, file-system bytes
constexpr int kKindRole = Qt::UserRole + 1;  // its DriveKind


std::string RootOf(const QComboBox& box, int item) {
  return box.itemData(item, kRootRole).toByteArray().toStdString();
}

}  // namespace

void TForm1::attachDrivePainter() {
  ComboBox5->setItemDelegate(new DrawItemDelegate(
      kDriveItemHeight,
      [this](QPainter& painter, const QRect& rect, int index, bool selected) {
        ComboBox5DrawItem(painter, rect, index, selected);
      },
      ComboBox5));
}

void TForm1::showDriveKinds() {
  QAction* const items[] = {Napdywymienne1, Dyski1, Napdysieciowe1, RAMdyski1, Inne1};
  for (std::size_t kind = 0; kind < driveKinds_.size(); ++kind) {
    items[kind]->setChecked(driveKinds_[kind]);
  }
}

void TForm1::FillDriveList() {
  ComboBox5->clear();
  const std::vector<Drive> drives = ShownDrives(ListDrives(context_.driveSources), driveKinds_);
  for (const Drive& drive : drives) {
    ComboBox5->addItem(NativeText(drive.root));
    const int item = ComboBox5->count() - 1;
    ComboBox5->setItemData(item, QByteArray::fromStdString(drive.root), kRootRole);
    ComboBox5->setItemData(item, static_cast<int>(drive.kind), kKindRole);
  }
  // With no drive to offer, the drive root stays as it is.
  if (drives.empty()) return;

  // The chosen drive is found without regard to case, an exact match first; it is then named
  // as the system names it, since Linux paths do not fold case.
  int chosen = ComboBox5->findData(QByteArray::fromStdString(driveRoot_), kRootRole);
  if (chosen < 0) {
    chosen = ComboBox5->findText(NativeText(driveRoot_), Qt::MatchFixedString);
  }
  // A chosen drive that is gone or not shown gives way to the first drive until the user
  // chooses one; only a choice is stored.
  if (chosen < 0) chosen = 0;
  ComboBox5->setCurrentIndex(chosen);
  driveRoot_ = RootOf(*ComboBox5, chosen);
  Label1->setText(NativeText(driveRoot_));
}

void TForm1::ComboBox5Change() {
  const int item = ComboBox5->currentIndex();
  if (item < 0) return;
  driveRoot_ = RootOf(*ComboBox5, item);
  try {
    IniFile ini(iniPath());
    WriteDriveRoot(ini, driveRoot_, CodePage::System());
  } catch (const IniWriteError& error) {
    // Reported; the drive is still used for this run.
    showIniWriteError(error);
  }
  Label1->setText(NativeText(driveRoot_));
}

void TForm1::ComboBox5DrawItem(QPainter& painter, const QRect& rect, int index,
                               bool selected) const {
  const auto kind = static_cast<DriveKind>(ComboBox5->itemData(index, kKindRole).toInt());
  PainterCanvas canvas(painter, ComboBox5->font());
  PaintDriveRow(canvas, {.background = ComboBox5->palette().color(QPalette::Base), .kind = kind},
                rect, selected, ComboBox5->itemText(index));
}

void TForm1::driveKindToggled(DriveKind kind, bool shown) {
  driveKinds_[static_cast<std::size_t>(kind) - 1] = shown;
  FillDriveList();
}

void TForm1::Napdywymienne1Click() {
  driveKindToggled(DriveKind::Removable, Napdywymienne1->isChecked());
}
void TForm1::Dyski1Click() { driveKindToggled(DriveKind::Fixed, Dyski1->isChecked()); }
void TForm1::Napdysieciowe1Click() {
  driveKindToggled(DriveKind::Network, Napdysieciowe1->isChecked());
}
void TForm1::RAMdyski1Click() { driveKindToggled(DriveKind::RamDisk, RAMdyski1->isChecked()); }
void TForm1::Inne1Click() { driveKindToggled(DriveKind::Other, Inne1->isChecked()); }

}  // namespace spinfolio
