#include "catalog/catalog_files.h"

#include <charconv>

namespace spinfolio {

CatalogLists ReadCatalogLists(const std::string& catalogFolder) {
  return {ReadLinesOrEmpty(catalogFolder + kDiscListFile),
          ReadLinesOrEmpty(catalogFolder + kCategoryListFile)};
}

int MappedDisc(const Lines& map, int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= map.size()) return -1;
  const std::string& line = map[static_cast<std::size_t>(row)];
  int disc = -1;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), disc);
  return error == std::errc{} && end == line.data() + line.size() ? disc : -1;
}

}  // namespace spinfolio
