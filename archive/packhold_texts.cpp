#include "archive/packhold_texts.h"

#include <map>

namespace spinfolio::archive {
namespace {

const std::map<int, std::string>& Table() {
  static const std::map<int, std::string> table = {
      {326, "P r o s z ę   c z e k a ć"},  {426, "P l e a s e   w a i t"},
      {327, "Twa otwieranie archiwum"},    {427, "Loading CD archive"},
      {328, "Trwa zapisywanie archiwum"},  {428, "Saving CD archive"},
      {329, "Trwa konwersja bazy danych"}, {429, "Converting archive data"},
  };
  return table;
}

bool English(int languageIndex) { return languageIndex == 0; }

std::string DamageText(Damage damage, int languageIndex) {
  const bool english = English(languageIndex);
  switch (damage) {
    case Damage::NotAnArchive:
      return english ? "the file is not a program archive" : "plik nie jest archiwum programu";
    case Damage::StreamDamaged:
      return english ? "the compressed data are damaged or cut short"
                     : "skompresowane dane są uszkodzone lub niepełne";
    case Damage::ContainerCutShort:
      return english ? "the data end before all the files they list"
                     : "dane kończą się przed końcem zapisanych w nich plików";
    case Damage::ReadError:
      break;
  }
  return english ? "the file could not be read" : "nie można odczytać pliku";
}

}  // namespace

std::string LibraryText(int polishId, int languageIndex) {
  const auto found = Table().find(English(languageIndex) ? polishId + 100 : polishId);
  return found == Table().end() ? std::string() : found->second;
}

std::string SaveFailedText(const std::string& archivePath, const std::string& reason,
                           int languageIndex) {
  if (English(languageIndex)) {
    return "The archive \"" + archivePath + "\" could not be saved: " + reason +
           ".\nThe previous archive has been left unchanged and the catalog is kept.";
  }
  return "Nie można zapisać archiwum \"" + archivePath + "\": " + reason +
         ".\nPoprzednie archiwum pozostało bez zmian, a katalog został zachowany.";
}

std::string DamagedArchiveText(const std::string& archivePath, Damage damage,
                               const std::string& copyPath, bool copied, int languageIndex) {
  const std::string what = DamageText(damage, languageIndex);
  if (English(languageIndex)) {
    std::string text = "The archive \"" + archivePath + "\" is damaged: " + what +
                       ".\nEverything that could be read has been opened.";
    text += copied ? "\nA copy of the damaged archive has been kept as \"" + copyPath + "\"."
                   : "\nThe damaged archive could not be copied to \"" + copyPath + "\".";
    return text;
  }
  std::string text = "Archiwum \"" + archivePath + "\" jest uszkodzone: " + what +
                     ".\nOtwarto wszystko, co dało się odczytać.";
  text += copied ? "\nKopię uszkodzonego archiwum zachowano jako \"" + copyPath + "\"."
                 : "\nNie udało się skopiować uszkodzonego archiwum do \"" + copyPath + "\".";
  return text;
}

}  // namespace spinfolio::archive
