#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace spinfolio {

/// A text file held as its lines, each a byte string in the catalog's code page.
using Lines = std::vector<std::string>;

/// Splits bytes into lines: a line ends at CR LF, a lone LF or a lone CR; a break at the very end
/// adds no empty line; nothing is trimmed.
Lines SplitLines(std::string_view bytes);

/// Joins lines into file bytes: every line, the last one included, followed by CR LF; no BOM.
std::string JoinLines(const Lines& lines);

/// Reads a whole text file; nullopt when it cannot be opened or read.
std::optional<Lines> ReadLines(const std::filesystem::path& file);

/// Reads a text file, or gives no lines when it is missing or unreadable.
Lines ReadLinesOrEmpty(const std::filesystem::path& file);

/// Reads the first line of a text file without reading the rest; nullopt when it cannot be read.
std::optional<std::string> ReadFirstLine(const std::filesystem::path& file);

/// Writes a whole text file, replacing what was there; the error tells why it failed.
std::error_code WriteLines(const std::filesystem::path& file, const Lines& lines);

/// Reads a whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadBytes(const std::filesystem::path& file);

/// Writes bytes as the whole content of a file.
std::error_code WriteBytes(const std::filesystem::path& file, std::string_view bytes);

}  // namespace spinfolio
