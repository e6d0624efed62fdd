#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace spinfolio {

// File primitives of the catalog commands. Each returns the reason of a failure; the commands
// decide whether a failure matters.

bool FileExists(const std::filesystem::path& path);    // a regular file (or a link to one)
bool FolderExists(const std::filesystem::path& path);  // a folder (or a link to one)
bool PathExists(const std::filesystem::path& path);    // anything at all, dangling links included

/// Gives the owner write permission, the counterpart of clearing a read-only attribute, so the
/// entry can be replaced or, for a folder, emptied.
std::error_code ClearAttributes(const std::filesystem::path& path);

/// Deletes a file (never a folder).
std::error_code DeleteFileAt(const std::filesystem::path& path);

/// A file that could not be changed, and the system's reason.
struct FileFailure {
  std::string file;
  std::error_code reason;
};

enum class Replace { No, Yes };

/// Moves a file, within a volume by renaming, across volumes by copying and deleting.
/// Without Replace::Yes an existing target makes the move fail.
std::error_code MoveFileTo(const std::filesystem::path& from, const std::filesystem::path& to,
                           Replace replace);

/// Copies a file's bytes; without Replace::Yes an existing target makes the copy fail.
std::error_code CopyFileTo(const std::filesystem::path& from, const std::filesystem::path& to,
                           Replace replace);

/// An existing file without its owner's write permission: the user marked it read-only, and it is
/// not to be replaced even where the system would allow it (as for root, or by renaming over it).
bool IsMarkedReadOnly(const std::filesystem::path& path);

/// Creates a folder with every missing parent; an existing folder is success.
std::error_code MakeFolders(const std::filesystem::path& path);

/// Removes an empty folder.
std::error_code RemoveFolder(const std::filesystem::path& path);

}  // namespace spinfolio
