#pragma once

#include "catalog/settings.h"

namespace spinfolio {

/// What kind of drive a drive root names. The five kinds after Optical are, in this order, the
/// kinds the drive list shows on request (the items of DriveKinds).
enum class DriveKind { Optical, Removable, Fixed, Network, RamDisk, Other };

/// Optical drives are always shown; every other kind when its item of the drive kinds is on.
constexpr bool IsShown(DriveKind kind, const DriveKinds& kinds) {
  return kind == DriveKind::Optical || kinds[static_cast<std::size_t>(kind) - 1];
}

}  // namespace spinfolio
