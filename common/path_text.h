#pragma once

#include <string>
#include <string_view>

namespace spinfolio {

// Path texts as the catalog rules take them apart. Folder texts end in "/".

/// The text with a "/" appended unless it already ends in one.
std::string WithTrailingSlash(std::string_view folder);

/// The text up to and including the last "/" (empty when there is none).
std::string FolderPart(std::string_view path);

/// The text after the last "/".
std::string FileNamePart(std::string_view path);

/// The extension of a path's file name from its last "." on, ASCII letters lower-cased ("" when
/// the name has no ".").
std::string LowerCaseExtension(std::string_view path);

}  // namespace spinfolio
