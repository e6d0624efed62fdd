// The read command of the management page.

#include "shell/form1.h"

namespace spinfolio {

void TForm1::Image4Click() {}

}  // namespace spinfolio
