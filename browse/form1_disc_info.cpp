// The disc information window beside the main window.

#include "shell/form1.h"

namespace spinfolio {

void TForm1::ShowDiscInfo(int /*disc*/) {}

void TForm1::DestroyDiscInfo() {}

void TForm1::placeDiscInfo() {}

}  // namespace spinfolio
