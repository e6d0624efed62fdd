#pragma once

#include <string>

namespace spinfolio {

/// Opens (open = true) or closes the tray of the drive of a drive root: the desktop's disk
/// service when it answers, else the drive's eject ioctls. True when the request was accepted.
bool DriveTray(bool open, const std::string& driveRoot);

/// The Linux cdrom requests that open and close a tray (CDROMEJECT, CDROMCLOSETRAY).
inline constexpr unsigned long kTrayEjectRequest = 0x5309;
inline constexpr unsigned long kTrayCloseRequest = 0x5319;

/// The system side of the tray operation, replaceable in tests.
class TrayDevice {
 public:
  virtual ~TrayDevice() = default;
  /// Whether the desktop's disk service (UDisks2 on the system bus) answers.
  virtual bool udisksAvailable() = 0;
  /// Asks the disk service to unmount the device's file system, if mounted, and eject the drive.
  virtual bool udisksUnmountAndEject(const std::string& device) = 0;
  /// Opens the device without waiting for media and sends one request without data; the
  /// ioctl's result, or -1 when the device cannot be opened.
  virtual int ioctlRequest(const std::string& device, unsigned long request) = 0;
};

/// The real system side: UDisks2 over D-Bus and the device's ioctls.
TrayDevice& SystemTrayDevice();

/// The device of a drive root: a root under "/dev/" is its own device; a folder root (with or
/// without its final "/") is the device mounted there according to the mounts table at
/// mountsPath (the last mount wins); anything else gives "".
std::string TrayDevicePath(const std::string& driveRoot, const std::string& mountsPath);

/// DriveTray on a given system side and mounts table. Opening prefers the disk service and
/// falls back to the eject ioctl; closing uses the close ioctl (the disk service cannot close).
bool DriveTray(bool open, const std::string& driveRoot, TrayDevice& device,
               const std::string& mountsPath);

}  // namespace spinfolio
