#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace spinfolio {

// Folder texts of the program always end in "/", so that a file name can be appended directly.

/// The text with a "/" appended unless it already ends in one.
std::string WithTrailingSlash(std::string_view folder);

/// The folder of the running executable.
std::string ExecutableFolder();

/// The per-user configuration folder: $XDG_CONFIG_HOME, else $HOME/.config, else the home
/// folder of the user database + ".config"; nullopt when no home can be found.
std::optional<std::string> UserConfigFolder();

/// The system's folder for temporary files: $TMPDIR when it names an existing folder, else
/// "/tmp/"; the canonical path (links resolved).
std::string SystemTempFolder();

/// The text up to and including the last "/" (empty when there is none).
std::string FolderPart(std::string_view path);

/// The text after the last "/".
std::string FileNamePart(std::string_view path);

}  // namespace spinfolio
