// Filing a read disc and changing a filed disc's data.

#include <QCheckBox>
#include <QComboBox>

#include "acquire/disc_data_editor.h"
#include "acquire/disc_filing.h"
#include "acquire/drive_tray.h"
#include "common/catalog_names.h"
#include "platform/code_page.h"
#include "platform/dialogs.h"
#include "shell/background_pictures.h"
#include "shell/busy_cursor.h"
#include "shell/failure_messages.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"
#include "shell/picture_button.h"
#include "shell/string_table.h"

namespace spinfolio {
namespace {

// Chooses the row again that was chosen before the list was refilled, when it is still there.
void KeepChoice(QComboBox& box, int choice) {
  if (choice >= 0 && choice < box.count()) box.setCurrentIndex(choice);
}

}  // namespace

// The views of catalog data are emptied, since the disc list changes under them.
void TForm1::forgetShownDiscData() {
  for (LineListModel* list : {browseContent_, searchDiscs_, searchContent_, categoryMembers_,
                              categoryContent_, categoryDiscs_}) {
    list->clear();
  }
  searchResultMap_.clear();
  categoryMemberMap_.clear();
}

void TForm1::Image6Click() {
  auto confirm = [this](TForm4& editor) {
    const int browseChoice = ComboBox1->currentIndex();
    forgetShownDiscData();

    BusyCursor busy;
    const DiscData disc = editor.discData();
    Lines discList;
    const auto failure =
        FileNewDisc(location_, disc, editor.picture(), pendingContent_->lines(), discList);
    busy.end();
    if (failure) {
      // The disc is not filed; the editor stays open with its data so the user can try again.
      context_.dialogs->showMessage(&editor, FileWriteFailure(*failure, languageIndex_));
      KeepChoice(*ComboBox1, browseChoice);
      return false;
    }
    discLinesBrowse_->setLines(discList);
    discLinesManage_->setLines(discList);
    Image6->hide();
    Image7->show();
    pendingContent_->clear();
    editor.hide();
    SaveAfterChange();
    context_.dialogs->showMessage(
        &editor, {QStringLiteral("Płyta \"%1\" została dodana do katalogu na pozycji %2")
                      .arg(CodePage::System().decode(disc.name))
                      .arg(location_.DiscCount),
                  QStringLiteral("Informacja"), MessageIcon::Information, MessageButtons::Ok});
    if (ComboBox7->currentIndex() == 2) DriveTray(true, driveRoot_);
    KeepChoice(*ComboBox1, browseChoice);
    raise();
    activateWindow();
    return true;
  };
  TForm4 editor(TForm4::Mode::Add, languageIndex_, *context_.dialogs, location_.catalogFolder(), {},
                confirm, this);
  editor.setBackground(backgroundsOn() ? BackgroundPicture(3) : QPixmap());
  editor.exec();
}

void TForm1::Image12Click() {
  const int disc = ComboBox4->currentIndex();
  if (disc < 0 || disc >= static_cast<int>(discLinesManage_->lines().size())) return;
  TForm4::Filed filed;
  filed.index = disc;
  filed.entry = discLinesManage_->lines()[static_cast<std::size_t>(disc)];
  filed.photoFile = location_.PhotoFolder + PhotoFileName(disc);
  filed.description = location_.catalogFolder() + DescriptionFileName(disc);

  auto confirm = [this, disc](TForm4& editor) {
    const int browseChoice = ComboBox1->currentIndex();
    forgetShownDiscData();

    Lines discList;
    const auto failure = ChangeDisc(location_, disc, editor.discData(), editor.picture(), discList);
    if (failure) {
      context_.dialogs->showMessage(&editor, FileWriteFailure(*failure, languageIndex_));
      KeepChoice(*ComboBox1, browseChoice);
      return false;
    }
    discLinesBrowse_->setLines(discList);
    discLinesManage_->setLines(discList);
    ComboBox4->setCurrentIndex(disc);
    ComboBox4Change();
    editor.hide();
    SaveAfterChange();
    KeepChoice(*ComboBox1, browseChoice);
    raise();
    activateWindow();
    return true;
  };
  TForm4 editor(TForm4::Mode::Change, languageIndex_, *context_.dialogs, location_.catalogFolder(),
                std::move(filed), confirm, this);
  editor.setBackground(backgroundsOn() ? BackgroundPicture(3) : QPixmap());
  editor.exec();
}

void TForm1::Image10Click() {
  const BusyCursor busy;
  pendingContent_->clear();
  Image6->hide();
  Image7->show();
}

}  // namespace spinfolio
