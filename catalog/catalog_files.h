#pragma once

#include <string>

#include "common/catalog_names.h"
#include "common/text_file.h"

namespace spinfolio {

/// The disc list and the category list of a catalog folder, empty when a file is missing.
struct CatalogLists {
  Lines discs;
  Lines categories;
};
CatalogLists ReadCatalogLists(const std::string& catalogFolder);

/// The disc index in line `row` of a search result map or category member map (one disc index
/// a line, in decimal); -1 when the line is missing or holds no such number.
int MappedDisc(const Lines& map, int row);

}  // namespace spinfolio
