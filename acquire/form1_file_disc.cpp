// Filing a read disc and changing a filed disc's data.

#include "shell/form1.h"

namespace spinfolio {

void TForm1::Image6Click() {}

void TForm1::Image12Click() {}

void TForm1::Image10Click() {}

}  // namespace spinfolio
