// Every text of the main window in Polish or English.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "catalog/settings.h"
#include "shell/form1.h"
#include "shell/picture_button.h"
#include "shell/radio_group.h"
#include "shell/string_table.h"

namespace spinfolio {

void TForm1::ApplyLanguage(int languageIndex) {
  if (languageIndex != 0 && languageIndex != 1) return;
  languageIndex_ = languageIndex;
  showTexts(languageIndex);
}

void TForm1::ComboBox6Change() {
  const int item = ComboBox6->currentIndex();
  if (item < 0) return;
  ApplyLanguage(item);
  IniFile ini(iniPath());
  try {
    WriteLanguage(ini, item);
  } catch (const IniWriteError& error) {
    showIniWriteError(error);
  }
}

void TForm1::showTexts(int languageIndex) {
  const bool polish = languageIndex == 1;
  const auto text = [languageIndex](int polishId) { return LocalText(polishId, languageIndex); };
  const auto pair = [polish](const char* polishText, const char* englishText) {
    return QString::fromUtf8(polish ? polishText : englishText);
  };
  const auto caption = [&text](std::initializer_list<QWidget*> controls, int polishId) {
    for (QWidget* control : controls) {
      if (auto* group = qobject_cast<QGroupBox*>(control)) group->setTitle(text(polishId));
      if (auto* label = qobject_cast<QLabel*>(control)) label->setText(text(polishId));
      if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(text(polishId));
    }
  };
  const auto hint = [&text](QWidget* control, int polishId) {
    control->setToolTip(text(polishId));
  };
  // Replacing the items of a drop-down keeps its chosen item.
  const auto items = [&text](QComboBox* box, std::initializer_list<int> ids) {
    const int chosen = box->currentIndex();
    box->clear();
    for (const int id : ids) box->addItem(text(id));
    box->setCurrentIndex(chosen);
  };
  const auto menu = [&text](QAction* action, int polishId) { action->setText(text(polishId)); };

  caption({Label3, Label4}, 101);
  caption({Label5, Label7}, 102);
  caption({Label8, Label9}, 103);
  caption({Label10, Label11}, 104);
  caption({Label12, Label13}, 105);
  hint(ToolButton1, 106);
  hint(ToolButton2, 107);
  caption({GroupBox5, Label18}, 108);
  caption({GroupBox6, Label19, GroupBox3, Label24, GroupBox7, Label28}, 109);
  caption({GroupBox4, Label22}, 110);
  caption({GroupBox2, Label23}, 111);
  caption({GroupBox9, Label20}, 113);
  caption({BitBtn12}, 114);
  caption({CheckBox1}, 115);
  caption({CheckBox2}, 116);
  caption({CheckBox3}, 117);
  caption({GroupBox8, Label21}, 118);
  caption({RadioButton3}, 119);
  hint(Image4, 120);
  hint(Image6, 121);
  hint(Image10, 122);
  caption({RadioButton4}, 124);
  caption({Label16}, 125);
  hint(Image12, 126);
  hint(Image14, 127);
  hint(Image49, 128);
  hint(Image16, 129);
  caption({GroupBox10, Label25}, 131);
  caption({GroupBox11, Label26}, 132);
  caption({BitBtn8}, 133);
  caption({GroupBox1, Label17}, 134);
  caption({Label6}, 135);
  RadioGroup1->setTitle(text(137));
  hint(RadioGroup1, 138);
  RadioGroup1->setItems({text(139), text(140)});
  caption({GroupBox13, Label27}, 141);
  hint(GroupBox13, 142);
  items(ComboBox3, {143, 144, 145, 146});
  caption({GroupBox15, Label15}, 148);
  hint(GroupBox15, 149);
  caption({BitBtn1}, 150);
  caption({BitBtn7}, 153);
  caption({CheckBox4}, 159);
  hint(CheckBox4, 160);
  caption({CheckBox5}, 161);
  menu(Dodajnowkategori1, 162);
  menu(Zmienazwkategorii1, 163);
  menu(Usutkategori1, 164);
  menu(Przesukategoridogry1, 165);
  menu(Przesuzaznaczoneplikiopozycjdogry1, 165);
  menu(Przesuojednpozycjwd1, 166);
  menu(Przesuzaznaczoneplikiopozycjwd1, 166);
  menu(Kopiujnazw1, 167);
  menu(Wywietlrozmiaryplikw1, 168);
  menu(Tylkonazwapliku1, 169);
  menu(Eksportujzawartopytydoplikuhtml1, 171);
  menu(Eksportujzawartocaegokatalogudoplikwhtml1, 172);
  menu(Eksportujwynikiwyszukiwaniadohtml1, 173);
  menu(Eksportujpytyzkategoriidoplikwhtml1, 174);
  hint(Image2, 175);
  hint(Image48, 176);
  hint(Image1, 177);
  caption({BitBtn9}, 315);
  hint(ToolButton4, 326);
  hint(ToolButton5, 327);
  caption({CheckBox6}, 328);
  caption({CheckBox7}, 329);
  hint(CheckBox7, 330);
  menu(Usuwybraneplikizinformacjiopycie1, 331);
  menu(Zmienazwwybranegopliku1, 332);
  items(ComboBox7, {333, 334, 335});
  menu(Dodajplik1, 336);
  menu(Sortujplikinalicie1, 339);

  GroupBox12->setTitle(pair("Plik archiwum :", "Archive file :"));
  Label14->setText(GroupBox12->title());
  GroupBox12->setToolTip(
      pair("Plik z zawartością archiwum płyt", "File that cointains CD archive"));
  BitBtn4->setText(pair("Nowy", "New"));
  BitBtn5->setText(pair("Otwórz", "Open"));
  BitBtn6->setText(pair("Zapisz jako", "Save As"));
  CheckBox8->setText(
      pair("Zapisuj zdjęcia CD wewnątrz archiwum programu", "Save CD photos in archive file"));
  CheckBox8->setToolTip(pair(
      "Włączona opcja powoduje zapisywanie zdjęć dołączonych do płyt w pliku atchiwum "
      "programu\nWyłaczona opcja powoduje zapisywanie zdjęć w katalogu zdjęć aktualnego archiwum",
      "When enabled CD photos will be saved in archive file\nWhen disabled CD photos will be "
      "saved in current archive photo directory"));
  BitBtn10->setText(pair("Powiąż pliki *.sfa z programem", "Associate *.sfa files with program"));
  archiveSaveFilter_ = pair("Archiwa programu (*.sfa)|*.sfa", "Program archive (*.sfa)|*.sfa");
  archiveOpenFilter_ = pair(
      "Archiwa programu (*.sfa)|*.sfa|Starsze pliki archiwum (*.sfz,data1.z,data2.z)|"
      "*.sfz;data1.z;data2.z",
      "Program archive (*.sfa)|*.sfa|Older program archive (*.sfz,data1.z,data2.z)|"
      "*.sfz;data1.z;data2.z");
}

}  // namespace spinfolio
