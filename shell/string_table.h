#pragma once

#include <QString>

namespace spinfolio {

/// The numbered texts of the program: Polish under 101 to 339, English under the same number +
/// 100. An unknown number gives an empty text.
QString Text(int id);

/// The text numbered polishId in the language of the index: 0 English (polishId + 100), 1 Polish.
QString LocalText(int polishId, int languageIndex);

// Message captions.
inline constexpr int kCaptionError = 300;
inline constexpr int kCaptionInformation = 301;
inline constexpr int kCaptionQuestion = 313;

}  // namespace spinfolio
