#include "catalog/catalog_files.h"

namespace spinfolio {

CatalogLists ReadCatalogLists(const std::string& catalogFolder) {
  return {ReadLinesOrEmpty(catalogFolder + kDiscListFile),
          ReadLinesOrEmpty(catalogFolder + kCategoryListFile)};
}

}  // namespace spinfolio
