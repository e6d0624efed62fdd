#include "common/catalog_names.h"

#include "common/path_text.h"

namespace spinfolio {

std::string ContentFileName(int disc) { return "cd" + std::to_string(disc); }
std::string DescriptionFileName(int disc) { return "op" + std::to_string(disc); }
std::string MemberFileName(int category) { return "k" + std::to_string(category); }
std::string PhotoFileName(int disc) { return "cd" + std::to_string(disc) + ".jpg"; }

std::string PhotoFolderFor(const std::string& archivePath) {
  std::string name = FileNamePart(archivePath);
  if (const auto dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
  return FolderPart(archivePath) + name + "-graph/";
}

}  // namespace spinfolio
