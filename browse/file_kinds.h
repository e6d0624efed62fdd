#pragma once

#include <string_view>

namespace spinfolio {

class CodePage;

/// The icon strip slot of a content entry's file, chosen from its extension: the file-name part
/// (after the last "\" or ":") from its last "." on, lower-cased. The first kind of the file-kinds
/// table with a pattern contained in the extension wins; then "thumbs.db" (16); else 1.
int FileKindIconSlot(std::string_view pathText, const CodePage& codePage);

/// The file-name part of a content path: what follows the last "\" or ":" (all of it when there
/// is neither).
std::string_view FileNamePart(std::string_view pathText);

}  // namespace spinfolio
