// The program's numbered texts: Polish and English entries and the choice between them.

#include "shell/string_table.h"

#include <gtest/gtest.h>

#include <QString>

#include "tests/support/qt_printers.h"

using namespace spinfolio;

namespace {

struct TextPair {
  int polishId;
  const char* polish;
  const char* english;
};

// A sample across the ranges, with the texts exactly as the program shows them.
const TextPair kSamples[] = {
    {101, "Przeglądanie", "Browse"},
    {134, "Napęd wczytywania danych : ", "CD drive : "},
    {163, "Zmień nazwę kategorii", "Change cateogry name"},
    {199,
     "Błąd bazy programu.\nBaza informacji o płytach nie została uaktualniona.\nAby kożystać z "
     "niej potrzebna będzie aktualizacja.",
     "Błąd bazy programu.\nBaza informacji o płytach nie została uaktualniona.\nAby kożystać z "
     "niej potrzebna będzie aktualizacja."},
    {300, "Błąd", "Error"},
    {305, "Brak płyty w napędzie", "No CD in drive"},
    {306, "Ponowne wczytanie zawartości płyty\nusunie poprzednią informację o jej zawartości",
     "Updating CD content will delete previous CD content in catalogue"},
    {309,
     "Nieprawidłowa nazwa kategorii\nW katalogu jest już kategoria o takiej nazwie\nlub nie "
     "podano nazwy",
     "Wrong category name\nThis name already exists\nor the name field was empty"},
    {311, "Zmieniono katalog plików tymczasowych", "Temporary files directory has been changed"},
    {315, "Ustawienia wczytywania plików z CD", "Getting CD content settings"},
    {326, "Wysuń płytke", "Open CD tray"},
    {327, "Wsuń płytke", "Close CD tray"},
    {329, "Zmniejszaj czcionki w długich opisach", "Reduce font size on long names"},
    {333, "Nie wysuwaj płytki", "Don't Eject CD"},
    {339, "Sortuj pliki", "Sort files"},
};

QString Utf8(const char* text) { return QString::fromUtf8(text); }

bool IsPolishId(int id) { return (id >= 101 && id <= 199) || (id >= 300 && id <= 339); }

TEST(StringTableTest, SampleTextsInBothLanguages) {
  for (const TextPair& pair : kSamples) {
    SCOPED_TRACE(pair.polishId);
    EXPECT_EQ(Text(pair.polishId), Utf8(pair.polish));
    EXPECT_EQ(Text(pair.polishId + 100), Utf8(pair.english));
  }
}

TEST(StringTableTest, LocalTextPicksEnglishForZeroAndPolishForOne) {
  for (const TextPair& pair : kSamples) {
    SCOPED_TRACE(pair.polishId);
    EXPECT_EQ(LocalText(pair.polishId, 0), Utf8(pair.english));
    EXPECT_EQ(LocalText(pair.polishId, 1), Utf8(pair.polish));
  }
}

TEST(StringTableTest, EnglishDialogTextsStandAlone) {
  EXPECT_EQ(Text(278), Utf8("Author"));
  EXPECT_EQ(Text(279), Utf8("Program description"));
  EXPECT_EQ(Text(285), Utf8("Name for CD to catalogue :"));
  EXPECT_EQ(Text(294), Utf8("Cancel"));
  EXPECT_EQ(Text(298), Utf8("Move to position :"));
  EXPECT_EQ(Text(416), Utf8("Read all files from CD to catalogue (*.*)"));
  EXPECT_EQ(Text(420), Utf8("Only files with the listed extensions are read into the catalogue"));
  EXPECT_EQ(Text(425), Utf8("Remove from list selected extension"));
  // Their dialogs keep designed Polish texts, so the numbers 100 lower are unused.
  EXPECT_TRUE(Text(178).isEmpty());
  EXPECT_TRUE(Text(194).isEmpty());
  EXPECT_TRUE(Text(316).isEmpty());
  EXPECT_EQ(LocalText(194, 0), Utf8("Cancel"));
}

TEST(StringTableTest, CaptionConstantsNameTheCaptions) {
  EXPECT_EQ(LocalText(kCaptionError, 1), Utf8("Błąd"));
  EXPECT_EQ(LocalText(kCaptionError, 0), Utf8("Error"));
  EXPECT_EQ(LocalText(kCaptionInformation, 1), Utf8("Informacja"));
  EXPECT_EQ(LocalText(kCaptionInformation, 0), Utf8("Information"));
  EXPECT_EQ(LocalText(kCaptionQuestion, 1), Utf8("Zapytanie"));
  EXPECT_EQ(LocalText(kCaptionQuestion, 0), Utf8("Question"));
}

TEST(StringTableTest, UnknownNumbersGiveEmptyText) {
  for (const int id : {0, 100, 112, 123, 200, 312, 337, 440, -1}) {
    SCOPED_TRACE(id);
    EXPECT_TRUE(Text(id).isEmpty());
  }
  EXPECT_TRUE(LocalText(112, 0).isEmpty());
  EXPECT_TRUE(LocalText(112, 1).isEmpty());
}

TEST(StringTableTest, LineBreaksAreRealNewlines) {
  EXPECT_EQ(Text(199).count(QLatin1Char('\n')), 2);
  EXPECT_EQ(Text(409).count(QLatin1Char('\n')), 2);
  for (int id = 101; id <= 439; ++id) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(Text(id).contains(QLatin1String("\\n")));
  }
}

TEST(StringTableTest, EveryPolishTextHasADifferentEnglishOne) {
  int pairs = 0;
  for (int id = 101; id <= 339; ++id) {
    if (!IsPolishId(id) || Text(id).isEmpty()) continue;
    SCOPED_TRACE(id);
    ++pairs;
    ASSERT_FALSE(Text(id + 100).isEmpty());
    // The format error reads the same in both languages.
    if (id == 199) {
      EXPECT_EQ(Text(id), Text(id + 100));
    } else {
      EXPECT_NE(Text(id), Text(id + 100));
    }
  }
  EXPECT_EQ(pairs, 91);
}

TEST(StringTableTest, HoldsEveryNumberedText) {
  int count = 0;
  for (int id = 101; id <= 439; ++id) {
    if (!Text(id).isEmpty()) ++count;
  }
  // 91 Polish and English pairs and 31 English dialog texts.
  EXPECT_EQ(count, 213);
}

}  // namespace
