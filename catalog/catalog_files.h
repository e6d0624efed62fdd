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

}  // namespace spinfolio
