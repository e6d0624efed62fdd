#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/path_text.h"

namespace spinfolio {

// Folder texts of the program always end in "/", so that a file name can be appended directly.

/// The folder of the running executable.
std::string ExecutableFolder();

/// The per-user configuration folder: $XDG_CONFIG_HOME, else $HOME/.config, else the home
/// folder of the user database + ".config"; nullopt when no home can be found.
std::optional<std::string> UserConfigFolder();

/// The system's folder for temporary files: $TMPDIR when it names an existing folder, else
/// "/tmp/"; the canonical path (links resolved).
std::string SystemTempFolder();

}  // namespace spinfolio
