#include "common/path_text.h"

namespace spinfolio {

std::string WithTrailingSlash(std::string_view folder) {
  std::string text(folder);
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

std::string FolderPart(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string FileNamePart(std::string_view path) {
  const auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string LowerCaseExtension(std::string_view path) {
  const std::string name = FileNamePart(path);
  const auto dot = name.rfind('.');
  if (dot == std::string::npos) return {};
  std::string extension = name.substr(dot);
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  }
  return extension;
}

}  // namespace spinfolio
