// Categories: the category page and the category management view.

#include "shell/form1.h"

namespace spinfolio {

void TForm1::connectCategoryHandlers() {}

void TForm1::ComboBox2Change() {}

void TForm1::ListBox5Click() {}

void TForm1::ListBox7Click() {}

void TForm1::BitBtn8Click() {}

void TForm1::Dodajnowkategori1Click() {}

void TForm1::Zmienazwkategorii1Click() {}

void TForm1::Usutkategori1Click() {}

void TForm1::Przesukategoridogry1Click() {}

void TForm1::Przesuojednpozycjwd1Click() {}

}  // namespace spinfolio
