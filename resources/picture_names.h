#pragma once

// The names under which the generator stores the pictures and the program looks them up.

#include <QLatin1String>

namespace spinfolio::picture_names {

// Every picture lies in this folder of the resource tree, as NAME.png.
inline constexpr QLatin1String kFolder(":/pictures/");
inline constexpr QLatin1String kSuffix(".png");

// The 32 icons of 16 × 16 lie side by side in one strip.
inline constexpr QLatin1String kIconStrip("ID_ICONS");
inline constexpr int kIconSize = 16;
inline constexpr int kIconSlots = 32;

// The greyed copy of a button bitmap is stored as the button's name with this ending.
inline constexpr QLatin1String kGreyedEnding("_GREY");

inline constexpr QLatin1String kTitleStrip("ID_TITLE");

// The drive pictures, 16 × 16, by drive kind: optical, removable, fixed, network, RAM disk,
// other.
inline constexpr int kDriveKinds = 6;
inline constexpr QLatin1String kDrivePictures[kDriveKinds] = {
    QLatin1String("ID_DRVCD"),  QLatin1String("ID_DRVUSB"), QLatin1String("ID_DRVHD"),
    QLatin1String("ID_DRVNET"), QLatin1String("ID_DRVRAM"), QLatin1String("ID_DRVOTHER")};

// Tab pieces, by [active][piece]: piece 0 left, 1 middle, 2 right.
inline constexpr QLatin1String kTabPieces[2][3] = {
    {QLatin1String("ID_TAB0L"), QLatin1String("ID_TAB0M"), QLatin1String("ID_TAB0R")},
    {QLatin1String("ID_TAB1L"), QLatin1String("ID_TAB1M"), QLatin1String("ID_TAB1R")}};

}  // namespace spinfolio::picture_names
