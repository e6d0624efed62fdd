#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/text_file.h"

namespace spinfolio::test {

/// One item of a fixture tree: a path relative to the tree's root; a path ending in "/" is a
/// folder, any other a file of the given size (made sparse, so big sizes cost nothing).
struct TreeItem {
  std::string path;
  std::uint64_t size = 0;
};

/// Makes the items below root (a folder ending in "/"), folders included.
void MakeTree(const std::string& root, const std::vector<TreeItem>& items);

/// The content entries a walk of root should give without a filter, found by another way:
/// std::filesystem in directory order, sizes as the size texts with ".".
Lines ExpectedListing(const std::string& root);

}  // namespace spinfolio::test
