// The main window's side of the archive library, and the options that act on saving.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>

#include "catalog/archive_binding.h"
#include "shell/form1.h"
#include "shell/radio_group.h"

namespace spinfolio {

void TForm1::LoadCatalog() {
  const OpenArchiveRequest request{location_.ArchivePath, location_.TempRoot,
                                   location_.CatalogFolderName, languageIndex_};
  const LibraryCall call = CallOpenArch(context_.programFolder, request);
  if (call == LibraryCall::LibraryMissing) warnMissingLibrary(kPackholdLibrary);
  if (call == LibraryCall::Done) LoadCatalogLists();
}

LibraryCall TForm1::SaveCatalog(bool closing) {
  SaveArchiveRequest request;
  request.closeCatalog = closing;
  request.level = compressionLevel_;
  request.title = kArchiveTitle;
  request.archivePath = location_.ArchivePath;
  request.tempRoot = location_.TempRoot;
  request.catalogFolderName = location_.CatalogFolderName;
  request.languageIndex = languageIndex_;
  request.photosInside = CheckBox8->isChecked();
  const LibraryCall call = CallSaveArch(context_.programFolder, request);
  if (call == LibraryCall::LibraryMissing) warnMissingLibrary(kPackholdLibrary);
  return call;
}

void TForm1::SaveAfterChange() {
  if (RadioGroup1->itemIndex() != 1) return;
  setEnabled(false);
  SaveCatalog(false);
  setEnabled(true);
  if (isVisible()) {
    raise();
    activateWindow();
  }
}

void TForm1::RadioGroup1Click() {
  IniFile ini(iniPath());
  try {
    WriteArchivingMoment(ini, RadioGroup1->itemIndex());
  } catch (const IniWriteError& error) {
    showIniWriteError(error);
    return;
  }
  SaveAfterChange();
}

void TForm1::ComboBox3Change() {
  const int item = ComboBox3->currentIndex();
  if (item < 0) return;
  compressionLevel_ = CompressionLevelFor(item);
  IniFile ini(iniPath());
  try {
    WriteCompressionItem(ini, item);
  } catch (const IniWriteError& error) {
    showIniWriteError(error);
  }
}

void TForm1::CheckBox7Click() { reduceFonts_ = CheckBox7->isChecked(); }

}  // namespace spinfolio
