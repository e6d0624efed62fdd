#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "catalog/catalog_location.h"
#include "common/file_ops.h"
#include "common/text_file.h"

namespace spinfolio {

// The catalog rules of filing a read disc and of changing a filed disc's data, without windows.

/// False when the name would break a disc list line: a line break (CR or LF) or any tag text of
/// the catalog format ("<n>", "</n>", "<p>", "<k>", "</k>", "<f>", "<z>", "<pr>", "<m>", "<r>",
/// "</r>").
bool IsDiscNameSafe(const std::string& name);

/// True when the name is not empty, safe, and no disc list line other than the one at
/// exceptIndex holds "<n>" + name + "</n>" (exact, case-sensitive). exceptIndex -1 checks all.
bool IsDiscNameValid(const Lines& discList, const std::string& name, int exceptIndex);
/// The same against the disc list file "plyty" of the catalog folder.
bool IsDiscNameValid(const std::string& catalogFolder, const std::string& name, int exceptIndex);

/// What the editor holds for a disc. Texts are in the catalog's code page.
struct DiscData {
  std::string name;
  bool lent = false;
  std::string borrower;
  int type = 0;                // 0 not set, 1 movies, 2 photos, 3 programs, 4 music
  Lines description;           // empty: no description
  bool hasPhoto = false;       // the photo box shows a picture
  std::string photoSource;     // the file the picture came from (native path)
};

/// The disc entry: [type tag] "<n>" name "</n>" ["<p>" ["<k>" borrower "</k>"]].
std::string BuildDiscEntry(const DiscData& disc);

/// A picture as packed rows of 8-bit RGB triples, for writing pictures that are not JPEG files.
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // width * 3 bytes per row, height rows
};

/// Writes the picture as a baseline JPEG file through libjpeg (quality 90).
std::error_code WriteJpeg(const std::filesystem::path& target, const RgbPicture& picture);

/// True when the path's extension, lower-cased, is ".jpg" or ".jpeg".
bool HasJpegExtension(const std::string& path);

/// Puts the chosen picture at the target, replacing any file there: a ".jpg"/".jpeg" source is
/// copied byte for byte, any other is written as JPEG from the picture; the target is left
/// writable by its owner.
std::error_code StorePhoto(const std::string& source, const RgbPicture& picture,
                           const std::filesystem::path& target);

/// A write that failed: the file and the system's reason.
using FilingFailure = FileFailure;

/// Files a new disc under index location.DiscCount: its photo, description, content list, then
/// its entry appended to "plyty" (location.DiscCount grows by one). A content list or
/// description that cannot be written stops the filing before "plyty" is touched; a "plyty" that
/// cannot be written leaves DiscCount as it was. discList receives the disc list lines written.
std::optional<FilingFailure> FileNewDisc(CatalogLocation& location, const DiscData& disc,
                                         const RgbPicture& picture, const Lines& content,
                                         Lines& discList);

/// Rewrites a filed disc's photo, description and entry in place; its content list is not
/// touched. discList receives the disc list lines written.
std::optional<FilingFailure> ChangeDisc(const CatalogLocation& location, int index,
                                        const DiscData& disc, const RgbPicture& picture,
                                        Lines& discList);

}  // namespace spinfolio
