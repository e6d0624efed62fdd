// The tray buttons of the management page's tool bar.

#include "acquire/drive_tray.h"
#include "shell/form1.h"

namespace spinfolio {

// A drive that refuses the request is not reported: the button simply has no effect.
void TForm1::ToolButton4Click() { DriveTray(true, driveRoot()); }

void TForm1::ToolButton5Click() { DriveTray(false, driveRoot()); }

}  // namespace spinfolio
