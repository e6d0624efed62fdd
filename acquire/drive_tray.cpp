#include "acquire/drive_tray.h"

namespace spinfolio {

bool DriveTray(bool, const std::string&) { return false; }

}  // namespace spinfolio
