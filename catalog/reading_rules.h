#pragma once

#include <string>
#include <string_view>

namespace spinfolio {

// The rules by which every reader takes a catalog line apart. A disc entry reads
//   [type tag] "<n>" name "</n>" [ "<p>" [ "<k>" borrower "</k>" ] ]
// a content entry "<n>" path "</n>" [ "<r>" size "</r>" ], a category line "<n>" name "</n>".

/// The text between the first openTag and the first closing tag anywhere in the line ("<k>" closes
/// with "</k>"); empty when the open tag is missing or the closing tag does not follow it.
std::string TagValue(std::string_view line, std::string_view openTag);

/// The item index of the disc type list: not set, movies, photos, programs, music.
enum class DiscType { NotSet = 0, Movies = 1, Photos = 2, Programs = 3, Music = 4 };

/// The type tag counts only at the very start of the entry.
DiscType DiscTypeOf(std::string_view entry);

/// Lent when the first "</n>" stands before the first "<p>".
bool IsLent(std::string_view entry);

inline std::string DiscName(std::string_view entry) { return TagValue(entry, "<n>"); }
inline std::string Borrower(std::string_view entry) { return TagValue(entry, "<k>"); }

}  // namespace spinfolio
