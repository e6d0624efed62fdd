#pragma once

#include <string>

namespace spinfolio {

/// Opens (open = true) or closes the tray of the drive of a drive root: the desktop's disk
/// service when it answers, else the drive's eject ioctls. True when the request was accepted.
bool DriveTray(bool open, const std::string& driveRoot);

}  // namespace spinfolio
