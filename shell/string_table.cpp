#include "shell/string_table.h"

#include <QHash>

namespace spinfolio {
namespace {

const QHash<int, QString>& Table() {
  static const QHash<int, QString> table = {
      {135, QStringLiteral("Obecnie ustawiony jest : ")},
      {235, QStringLiteral("Actually set : ")},
      {137, QStringLiteral("Archiwizuj dane o płytach : ")},
      {237, QStringLiteral("Save CD archives : ")},
      {139, QStringLiteral("Przy zamykaniu programu")},
      {239, QStringLiteral("At exit")},
      {140, QStringLiteral("Po każdej zmianie danych w katalogu")},
      {240, QStringLiteral("After every change of data")},
      {141, QStringLiteral("Metoda kompresji archiwum : ")},
      {241, QStringLiteral("Archive compression : ")},
      {143, QStringLiteral("Normalna")},
      {243, QStringLiteral("Normal")},
      {144, QStringLiteral("Brak kompresji")},
      {244, QStringLiteral("No compression")},
      {145, QStringLiteral("Szybka")},
      {245, QStringLiteral("Fast")},
      {146, QStringLiteral("Najlepsza")},
      {246, QStringLiteral("Best")},
      {148, QStringLiteral("Ścieżka do katalogu z tymczasowymi plikami programu :")},
      {248, QStringLiteral("Program temporary files :")},
      {159, QStringLiteral("Włączone tła programu")},
      {259, QStringLiteral("Enable backgrounds")},
      {161, QStringLiteral("Zapamiętuj położenie okna programu")},
      {261, QStringLiteral("Save program position on exit")},
      {328, QStringLiteral("Sprawdzaj nową wersję przy starcie")},
      {428, QStringLiteral("Check for a new version at startup")},
      {329, QStringLiteral("Zmniejszaj czcionki w długich opisach")},
      {429, QStringLiteral("Reduce font size on long names")},
      {333, QStringLiteral("Nie wysuwaj płytki")},
      {433, QStringLiteral("Don't Eject CD")},
      {334, QStringLiteral("Wysuwaj płytkę po wczytaniu danych")},
      {434, QStringLiteral("Eject CD after getting content")},
      {335, QStringLiteral("Wysuwaj płytkę po dodaniu do albumu")},
      {435, QStringLiteral("Eject CD after adding CD to catalog")},
      {199, QStringLiteral("Błąd bazy programu.\nBaza informacji o płytach nie została "
                           "uaktualniona.\nAby kożystać z niej potrzebna będzie aktualizacja.")},
      {299, QStringLiteral("Błąd bazy programu.\nBaza informacji o płytach nie została "
                           "uaktualniona.\nAby kożystać z niej potrzebna będzie aktualizacja.")},
      {300, QStringLiteral("Błąd")},
      {400, QStringLiteral("Error")},
      {301, QStringLiteral("Informacja")},
      {401, QStringLiteral("Information")},
      {311, QStringLiteral("Zmieniono katalog plików tymczasowych")},
      {411, QStringLiteral("Temporary files directory has been changed")},
      {313, QStringLiteral("Zapytanie")},
      {413, QStringLiteral("Question")},
  };
  return table;
}

}  // namespace

QString Text(int id) { return Table().value(id); }

QString LocalText(int polishId, int languageIndex) {
  return Text(languageIndex == 0 ? polishId + 100 : polishId);
}

}  // namespace spinfolio
