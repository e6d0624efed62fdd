// The tray buttons of the management page's tool bar.

#include "shell/form1.h"

namespace spinfolio {

void TForm1::ToolButton4Click() {}

void TForm1::ToolButton5Click() {}

}  // namespace spinfolio
