#include "acquire/drive_tray.h"

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QByteArray>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <utility>

#include "acquire/mounts_table.h"

namespace spinfolio {

static_assert(kTrayEjectRequest == CDROMEJECT);
static_assert(kTrayCloseRequest == CDROMCLOSETRAY);

namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kBlockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// Queries must not hold the window for long; an eject moves a motor and gets more time.
constexpr int kQueryTimeoutMs = 2000;
constexpr int kActionTimeoutMs = 15000;

QDBusMessage Call(const QString& path, const QString& interface, const QString& method,
                  const QVariantList& arguments, int timeoutMs) {
  QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
  message.setArguments(arguments);
  return QDBusConnection::systemBus().call(message, QDBus::Block, timeoutMs);
}

// One property of a UDisks2 object, or an invalid QVariant when it cannot be read.
QVariant Property(const QString& path, const QString& interface, const QString& name) {
  const QDBusMessage reply = Call(path, kPropertiesInterface, QStringLiteral("Get"),
                                  {interface, name}, kQueryTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
  return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

// The block object whose Device property names the device, or "" when none does.
QString FindBlockObject(const QString& device) {
  QStringList candidates;
  // UDisks2 names block objects after the kernel's device name; try that first.
  candidates << QStringLiteral("/org/freedesktop/UDisks2/block_devices/") +
                    QFileInfo(device).fileName();
  const QDBusMessage reply =
      Call(QStringLiteral("/org/freedesktop/UDisks2/Manager"),
           QStringLiteral("org.freedesktop.UDisks2.Manager"), QStringLiteral("GetBlockDevices"),
           {QVariantMap{}}, kQueryTimeoutMs);
  if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
    for (const QDBusObjectPath& path :
         qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().constFirst()))
      candidates << path.path();
  }
  for (const QString& candidate : candidates) {
    QByteArray named = Property(candidate, kBlockInterface, QStringLiteral("Device")).toByteArray();
    // The property is a NUL-terminated byte string.
    if (named.endsWith('\0')) named.chop(1);
    if (!named.isEmpty() && QString::fromLocal8Bit(named) == device) return candidate;
  }
  return {};
}

class SystemDevice final : public TrayDevice {
 public:
  bool udisksAvailable() override {
    // Without a system bus the connection fails at once, so no call waits for a timeout.
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || bus.interface() == nullptr) return false;
    const auto registered = bus.interface()->isServiceRegistered(kService);
    if (registered.isValid() && registered.value()) return true;
    // The service may also be started on demand by the bus.
    const QDBusMessage reply = bus.call(
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                       QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"),
                                       QStringLiteral("ListActivatableNames")),
        QDBus::Block, kQueryTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().constFirst().toStringList().contains(kService);
  }

  bool udisksUnmountAndEject(const std::string& device) override {
    QString name = QString::fromStdString(device);
    const QString canonical = QFileInfo(name).canonicalFilePath();
    if (!canonical.isEmpty()) name = canonical;
    const QString block = FindBlockObject(name);
    if (block.isEmpty()) return false;
    const QDBusObjectPath drive =
        Property(block, kBlockInterface, QStringLiteral("Drive")).value<QDBusObjectPath>();
    if (drive.path().isEmpty() || drive.path() == QStringLiteral("/")) return false;

    const QDBusMessage unmounted =
        Call(block, QStringLiteral("org.freedesktop.UDisks2.Filesystem"),
             QStringLiteral("Unmount"), {QVariantMap{}}, kActionTimeoutMs);
    if (unmounted.type() == QDBusMessage::ErrorMessage) {
      // A disc that is not mounted, or a block without a file system, is ejected all the same.
      const QString error = unmounted.errorName();
      const bool harmless = error == QStringLiteral("org.freedesktop.UDisks2.Error.NotMounted") ||
                            error == QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod") ||
                            error == QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface");
      if (!harmless) return false;
    }
    const QDBusMessage ejected = Call(drive.path(), QStringLiteral("org.freedesktop.UDisks2.Drive"),
                                      QStringLiteral("Eject"), {QVariantMap{}}, kActionTimeoutMs);
    return ejected.type() == QDBusMessage::ReplyMessage;
  }

  int ioctlRequest(const std::string& device, unsigned long request) override {
    // O_NONBLOCK opens a drive that has no disc (or an open tray) instead of failing.
    const int fd = ::open(device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    const int result = ::ioctl(fd, request, 0);
    ::close(fd);
    return result;
  }
};

}  // namespace

TrayDevice& SystemTrayDevice() {
  static SystemDevice device;
  return device;
}

std::string TrayDevicePath(const std::string& driveRoot, const std::string& mountsPath) {
  if (driveRoot.starts_with("/dev/")) {
    std::string device = driveRoot;
    while (device.size() > 5 && device.ends_with('/')) device.pop_back();
    return device;
  }
  if (!driveRoot.starts_with('/')) return {};
  std::string mountPoint = driveRoot;
  while (mountPoint.size() > 1 && mountPoint.ends_with('/')) mountPoint.pop_back();

  std::string device;
  for (MountEntry& mount : ReadMountsTable(mountsPath)) {
    // Later lines mount over earlier ones, so the last match is the one in effect.
    if (mount.mountPoint == mountPoint) device = std::move(mount.source);
  }
  return device.starts_with("/dev/") ? device : std::string();
}

bool DriveTray(bool open, const std::string& driveRoot, TrayDevice& device,
               const std::string& mountsPath) {
  const std::string path = TrayDevicePath(driveRoot, mountsPath);
  if (path.empty()) return false;
  if (open) {
    if (device.udisksAvailable() && device.udisksUnmountAndEject(path)) return true;
    return device.ioctlRequest(path, kTrayEjectRequest) == 0;
  }
  return device.ioctlRequest(path, kTrayCloseRequest) == 0;
}

bool DriveTray(bool open, const std::string& driveRoot) {
  return DriveTray(open, driveRoot, SystemTrayDevice(), "/proc/self/mounts");
}

}  // namespace spinfolio
