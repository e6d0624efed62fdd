#include "resources/pictures.h"

#include <QtGlobal>

#include "resources/picture_names.h"

// The resources live in a static library: nothing refers to their registration code, so the
// linker would drop it. Registering them by hand before the first look-up keeps them.
static void RegisterPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(spinfolio_pictures);
    return true;
  }();
  Q_UNUSED(registered);
}

namespace spinfolio {
namespace {

QPixmap Load(const QString& name) {
  RegisterPictures();
  if (name.isEmpty()) return {};
  return QPixmap(picture_names::kFolder + name + picture_names::kSuffix);
}

}  // namespace

QPixmap ProgramBitmap(QStringView name) { return Load(name.toString()); }

QPixmap IconStripIcon(int slot) {
  if (slot < 0 || slot >= picture_names::kIconSlots) return {};
  const QPixmap strip = Load(picture_names::kIconStrip);
  if (strip.isNull()) return {};
  return strip.copy(slot * picture_names::kIconSize, 0, picture_names::kIconSize,
                    picture_names::kIconSize);
}

QPixmap GreyedBitmap(QStringView name) {
  QStringView base = name;
  if (base.endsWith(picture_names::kGreyedEnding)) base.chop(picture_names::kGreyedEnding.size());
  if (base.endsWith(QLatin1Char('1')) || base.endsWith(QLatin1Char('2'))) base.chop(1);
  return Load(base.toString() + picture_names::kGreyedEnding);
}

QPixmap TabPiece(bool active, int piece) {
  if (piece < 0 || piece > 2) return {};
  return Load(picture_names::kTabPieces[active ? 1 : 0][piece]);
}

QPixmap TitleStrip() { return Load(picture_names::kTitleStrip); }

QPixmap DrivePicture(int kind) {
  if (kind < 0 || kind >= picture_names::kDriveKinds) return {};
  return Load(picture_names::kDrivePictures[kind]);
}

}  // namespace spinfolio
