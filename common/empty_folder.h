#pragma once

#include <filesystem>

namespace spinfolio {

/// Deletes every file below the folder, whatever its permissions, and every subfolder, and leaves
/// the folder itself, empty, in place. Links are deleted, never followed. Failures are not
/// reported: what cannot be deleted stays.
void EmptyFolder(const std::filesystem::path& folder);

/// EmptyFolder, then removes the folder itself; nothing happens when it does not exist.
void RemoveFolderTree(const std::filesystem::path& folder);

}  // namespace spinfolio
