#include "browse/drive_icons.h"

#include <QIcon>
#include <array>
#include <initializer_list>

#include "resources/pictures.h"

namespace spinfolio {
namespace {

constexpr int kIconSize = 16;
constexpr std::size_t kKinds = 6;

// The icon theme names tried for each kind, most specific first.
const std::array<std::initializer_list<const char*>, kKinds> kThemeNames = {{
    {"drive-optical", "media-optical"},
    {"drive-removable-media-usb", "drive-removable-media", "media-removable"},
    {"drive-harddisk"},
    {"folder-remote", "network-server"},
    {"media-memory"},
    {"folder"},
}};

QPixmap IconFor(std::size_t kind) {
  for (const char* name : kThemeNames[kind]) {
    const QIcon icon = QIcon::fromTheme(QLatin1String(name));
    if (!icon.isNull()) {
      QPixmap pixmap = icon.pixmap(kIconSize, kIconSize);
      if (!pixmap.isNull()) return pixmap;
    }
  }
  return DrivePicture(static_cast<int>(kind));
}

}  // namespace

const QPixmap& DriveIcon(DriveKind kind) {
  // Looked up once: the theme does not change while the program runs.
  static const std::array<QPixmap, kKinds> icons = [] {
    std::array<QPixmap, kKinds> all;
    for (std::size_t i = 0; i < kKinds; ++i) all[i] = IconFor(i);
    return all;
  }();
  return icons[static_cast<std::size_t>(kind)];
}

}  // namespace spinfolio
