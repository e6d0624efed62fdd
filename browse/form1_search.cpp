// The search page: finding the discs whose titles, content lists or descriptions hold a text.

#include "shell/form1.h"

namespace spinfolio {

void TForm1::connectSearchHandlers() {}

void TForm1::BitBtn12Click() {}

void TForm1::Edit3Change() {}

void TForm1::Edit3KeyPress(char /*key*/) {}

void TForm1::ListBox3Click() {}

}  // namespace spinfolio
