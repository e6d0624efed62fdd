#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "common/file_ops.h"
#include "common/text_file.h"

namespace spinfolio {

// The category rules on the catalog folder, without windows. The category list "kat" holds one
// line "<n>" name "</n>" per category, its position being the category index; the member file
// "k<N>" of category N holds one disc index a line, in decimal, and is absent for a category
// without members.

/// The line of "kat" that holds a category name.
std::string CategoryLine(std::string_view name);

/// False when the name cannot stand in a category line: empty, holding a line break (CR or LF),
/// or holding "<n>" or "</n>", which would cut the name short when the line is read.
bool IsCategoryNameUsable(std::string_view name);

/// True when no line of "kat" other than the one at skipIndex equals CategoryLine(name) exactly,
/// letter case included; skipIndex -1 checks every line. A missing "kat" holds no names.
bool IsCategoryNameFree(const std::string& catalogFolder, std::string_view name, int skipIndex);

/// A catalog file that could not be changed, and the system's reason.
using CategoryFailure = FileFailure;

/// The category list after a command: the lines of "kat" as written, or the failure that left
/// the catalog files as they were.
struct CategoryListChange {
  Lines categories;
  std::optional<CategoryFailure> failure;
};

/// Appends the category line of the name to "kat".
CategoryListChange AddCategory(const std::string& catalogFolder, std::string_view name);

/// Puts the category line of the name in place of line `category` of "kat".
CategoryListChange RenameCategory(const std::string& catalogFolder, int category,
                                  std::string_view name);

/// Removes line `category` of "kat" and its member file, and moves the member files of the
/// categories after it down by one index. "kat" is written first, so a "kat" that cannot be
/// written leaves every member file where it was.
CategoryListChange RemoveCategory(const std::string& catalogFolder, int category);

enum class CategoryMove { Up, Down };

/// Exchanges category `category` with its neighbour above or below, in "kat" and in the member
/// files, swapping these through "kt<category>". A "kt<category>" left over from an interrupted
/// move is removed first. "kat" is written before any member file moves; when the swap of the
/// member files fails, its steps are undone and the old "kat" is written back. Without a
/// neighbour nothing changes.
CategoryListChange MoveCategory(const std::string& catalogFolder, int category, CategoryMove move);

/// The members of a category as its member file lists them, in file order.
struct CategoryMembers {
  std::vector<int> discs;  // every line that is a disc index below the disc count
  bool damaged = false;    // some line was none (or the file could not be read) and was left out
};

/// Reads the member file of the category; a missing file means no members. A line counts only
/// when it is a decimal number, nothing else, below discCount.
CategoryMembers ReadCategoryMembers(const std::string& catalogFolder, int category, int discCount);

/// The numbers in decimal, one a line: the form of the member files and of the member map.
Lines DecimalLines(const std::vector<int>& numbers);

/// Writes the discs, ascending and each once, as the member file of the category, replacing the
/// old one. No discs: nothing is written, so the old members stay.
std::optional<CategoryFailure> StoreCategoryMembers(const std::string& catalogFolder, int category,
                                                    std::vector<int> discs);

/// The temporary name that holds a member file while two categories swap: "kt<N>".
std::string ParkedMemberFileName(int category);

}  // namespace spinfolio
