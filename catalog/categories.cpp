// The category list "kat" and the member files "k<N>": names, members, and the file work of the
// category commands.

#include "catalog/categories.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

#include "common/catalog_names.h"
#include "common/file_ops.h"

namespace spinfolio {
namespace {

struct Rename {
  std::string from;
  std::string to;
};

std::string CategoryListFile(const std::string& catalogFolder) {
  return catalogFolder + kCategoryListFile;
}

// A file the user marked read-only is refused, as the settings file is.
std::error_code WriteCatalogFile(const std::string& file, const Lines& lines) {
  if (IsMarkedReadOnly(file)) return std::make_error_code(std::errc::permission_denied);
  return WriteLines(file, lines);
}

CategoryListChange Written(const std::string& catalogFolder, Lines categories) {
  const std::string file = CategoryListFile(catalogFolder);
  if (const std::error_code error = WriteCatalogFile(file, categories)) {
    return {{}, CategoryFailure{file, error}};
  }
  return {std::move(categories), std::nullopt};
}

bool IsIndexOf(const Lines& lines, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < lines.size();
}

// The disc index a member line names, or none: plain decimal digits, nothing else.
std::optional<int> DiscIndexOf(std::string_view line, int discCount) {
  if (line.empty() || std::isdigit(static_cast<unsigned char>(line.front())) == 0) return {};
  int disc = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), disc);
  if (error != std::errc{} || end != line.data() + line.size() || disc >= discCount) return {};
  return disc;
}

// Carries out the renames in order, each only when its source is there. When one fails, the ones
// done are taken back, so no file is left half way.
std::optional<CategoryFailure> RenameAll(const std::vector<Rename>& renames) {
  std::vector<const Rename*> done;
  for (const Rename& rename : renames) {
    if (!FileExists(rename.from)) continue;
    if (const std::error_code error = MoveFileTo(rename.from, rename.to, Replace::Yes)) {
      for (auto undo = done.rbegin(); undo != done.rend(); ++undo) {
        MoveFileTo((*undo)->to, (*undo)->from, Replace::Yes);
      }
      return CategoryFailure{rename.to, error};
    }
    done.push_back(&rename);
  }
  return std::nullopt;
}

}  // namespace

std::string CategoryLine(std::string_view name) {
  std::string line = "<n>";
  line += name;
  line += "</n>";
  return line;
}

bool IsCategoryNameUsable(std::string_view name) {
  constexpr std::array<std::string_view, 4> kBreaking = {"\r", "\n", "<n>", "</n>"};
  return !name.empty() && std::none_of(kBreaking.begin(), kBreaking.end(), [name](auto text) {
    return name.find(text) != std::string_view::npos;
  });
}

bool IsCategoryNameFree(const std::string& catalogFolder, std::string_view name, int skipIndex) {
  const Lines categories = ReadLinesOrEmpty(CategoryListFile(catalogFolder));
  const std::string wanted = CategoryLine(name);
  for (std::size_t i = 0; i < categories.size(); ++i) {
    if (static_cast<int>(i) != skipIndex && categories[i] == wanted) return false;
  }
  return true;
}

CategoryListChange AddCategory(const std::string& catalogFolder, std::string_view name) {
  Lines categories = ReadLinesOrEmpty(CategoryListFile(catalogFolder));
  categories.push_back(CategoryLine(name));
  return Written(catalogFolder, std::move(categories));
}

CategoryListChange RenameCategory(const std::string& catalogFolder, int category,
                                  std::string_view name) {
  Lines categories = ReadLinesOrEmpty(CategoryListFile(catalogFolder));
  if (!IsIndexOf(categories, category)) return {std::move(categories), std::nullopt};
  categories[static_cast<std::size_t>(category)] = CategoryLine(name);
  return Written(catalogFolder, std::move(categories));
}

CategoryListChange RemoveCategory(const std::string& catalogFolder, int category) {
  Lines categories = ReadLinesOrEmpty(CategoryListFile(catalogFolder));
  if (!IsIndexOf(categories, category)) return {std::move(categories), std::nullopt};
  const int countBefore = static_cast<int>(categories.size());
  categories.erase(categories.begin() + category);
  CategoryListChange change = Written(catalogFolder, std::move(categories));
  if (change.failure) return change;

  // A member file that is missing leaves its new index without one: every index was emptied by
  // the step before it.
  const auto memberFile = [&catalogFolder](int index) {
    return catalogFolder + MemberFileName(index);
  };
  if (FileExists(memberFile(category))) DeleteFileAt(memberFile(category));
  for (int i = category + 1; i < countBefore; ++i) {
    if (FileExists(memberFile(i))) MoveFileTo(memberFile(i), memberFile(i - 1), Replace::Yes);
  }
  return change;
}

CategoryListChange MoveCategory(const std::string& catalogFolder, int category, CategoryMove move) {
  const std::string listFile = CategoryListFile(catalogFolder);
  const Lines before = ReadLinesOrEmpty(listFile);
  const int neighbour = move == CategoryMove::Up ? category - 1 : category + 1;
  if (!IsIndexOf(before, category) || !IsIndexOf(before, neighbour)) return {before, std::nullopt};

  const std::string moved = catalogFolder + MemberFileName(category);
  const std::string other = catalogFolder + MemberFileName(neighbour);
  const std::string parked = catalogFolder + ParkedMemberFileName(category);
  // A parked file left by an interrupted move would otherwise become the neighbour's members.
  if (PathExists(parked)) {
    if (const std::error_code error = DeleteFileAt(parked)) {
      return {{}, CategoryFailure{parked, error}};
    }
  }

  Lines categories = before;
  std::swap(categories[static_cast<std::size_t>(category)],
            categories[static_cast<std::size_t>(neighbour)]);
  CategoryListChange change = Written(catalogFolder, std::move(categories));
  if (change.failure) return change;
  if (auto failure = RenameAll({{moved, parked}, {other, moved}, {parked, other}})) {
    WriteLines(listFile, before);
    return {{}, std::move(failure)};
  }
  return change;
}

CategoryMembers ReadCategoryMembers(const std::string& catalogFolder, int category, int discCount) {
  const std::string file = catalogFolder + MemberFileName(category);
  CategoryMembers members;
  if (category < 0 || !FileExists(file)) return members;
  const std::optional<Lines> lines = ReadLines(file);
  if (!lines) {
    members.damaged = true;
    return members;
  }
  members.discs.reserve(lines->size());
  for (const std::string& line : *lines) {
    if (const std::optional<int> disc = DiscIndexOf(line, discCount)) {
      members.discs.push_back(*disc);
    } else {
      members.damaged = true;
    }
  }
  return members;
}

Lines DecimalLines(const std::vector<int>& numbers) {
  Lines lines;
  lines.reserve(numbers.size());
  for (const int number : numbers) lines.push_back(std::to_string(number));
  return lines;
}

std::optional<CategoryFailure> StoreCategoryMembers(const std::string& catalogFolder, int category,
                                                    std::vector<int> discs) {
  if (discs.empty()) return std::nullopt;
  std::sort(discs.begin(), discs.end());
  discs.erase(std::unique(discs.begin(), discs.end()), discs.end());
  const std::string file = catalogFolder + MemberFileName(category);
  if (const std::error_code error = WriteCatalogFile(file, DecimalLines(discs))) {
    return CategoryFailure{file, error};
  }
  return std::nullopt;
}

std::string ParkedMemberFileName(int category) { return "kt" + std::to_string(category); }

}  // namespace spinfolio
