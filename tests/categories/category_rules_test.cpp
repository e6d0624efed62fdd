// The category rules on a catalog folder: names, members and the file work of the commands.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>

#include "catalog/categories.h"
#include "common/file_ops.h"
#include "tests/support/temp_dir.h"

namespace spinfolio::test {
namespace {

// Member files by category index, each as its bytes.
using MemberFiles = std::map<int, std::string>;

class CategoryRulesTest : public ::testing::Test {
 protected:
  const std::string& folder() const { return dir.path(); }
  void write(const std::string& name, const std::string& bytes) const {
    WriteFile(dir / name, bytes);
  }
  std::string read(const std::string& name) const { return ReadFile(dir / name); }
  bool exists(const std::string& name) const { return PathExists(dir / name); }

  void writeMembers(const MemberFiles& files) const {
    for (const auto& [category, bytes] : files) write("k" + std::to_string(category), bytes);
  }
  // Every member file k0 … k9 that lies in the folder.
  MemberFiles members() const {
    MemberFiles found;
    for (int category = 0; category < 10; ++category) {
      const std::string name = "k" + std::to_string(category);
      if (exists(name)) found[category] = read(name);
    }
    return found;
  }

  TempDir dir;
};

constexpr char kAbc[] = "<n>A</n>\r\n<n>B</n>\r\n<n>C</n>\r\n";

struct NameCase {
  const char* name;
  bool usable;
};

class CategoryNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(CategoryNameTest, OnlyNamesThatKeepTheLineWholeAreUsable) {
  EXPECT_EQ(IsCategoryNameUsable(GetParam().name), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(Names, CategoryNameTest,
                         ::testing::Values(NameCase{"Filmy", true}, NameCase{"Zdjęcia <p>", true},
                                           NameCase{"<N>", true}, NameCase{"", false},
                                           NameCase{"a\nb", false}, NameCase{"a\rb", false},
                                           NameCase{"x<n>y", false}, NameCase{"x</n>", false}),
                         [](const ::testing::TestParamInfo<NameCase>& param) {
                           return "Case" + std::to_string(param.index);
                         });

TEST_F(CategoryRulesTest, ANameIsFreeUnlessAnotherLineHoldsItExactly) {
  write("kat", "<n>Filmy</n>\r\n<n>Muzyka</n>\r\n<n>Gry</n>x\r\n");
  struct {
    const char* name;
    int skipIndex;
    bool free;
  } const cases[] = {{"Filmy", -1, false}, {"filmy", -1, true}, {"Filmy", 0, true},
                     {"Muzyka", 0, false}, {"Gry", -1, true},   {"Film", -1, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsCategoryNameFree(folder(), c.name, c.skipIndex), c.free)
        << c.name << " skipping " << c.skipIndex;
  }
}

TEST_F(CategoryRulesTest, WithoutACategoryListEveryNameIsFree) {
  EXPECT_TRUE(IsCategoryNameFree(folder(), "Filmy", -1));
}

TEST_F(CategoryRulesTest, AddingAppendsTheCategoryLine) {
  write("kat", "<n>A</n>\r\n");
  const CategoryListChange change = AddCategory(folder(), "Zdjęcia");
  ASSERT_FALSE(change.failure);
  EXPECT_EQ(change.categories, (Lines{"<n>A</n>", "<n>Zdjęcia</n>"}));
  EXPECT_EQ(read("kat"), "<n>A</n>\r\n<n>Zdjęcia</n>\r\n");
}

TEST_F(CategoryRulesTest, RenamingReplacesOnlyItsLine) {
  write("kat", kAbc);
  ASSERT_FALSE(RenameCategory(folder(), 1, "Bb").failure);
  EXPECT_EQ(read("kat"), "<n>A</n>\r\n<n>Bb</n>\r\n<n>C</n>\r\n");
}

struct RemoveCase {
  const char* title;
  MemberFiles before;
  int removed;
  const char* categoriesAfter;
  MemberFiles after;
};

class RemoveCategoryTest : public CategoryRulesTest,
                           public ::testing::WithParamInterface<RemoveCase> {};

TEST_P(RemoveCategoryTest, MemberFilesFollowTheirCategories) {
  const RemoveCase& c = GetParam();
  write("kat", kAbc);
  writeMembers(c.before);
  const CategoryListChange change = RemoveCategory(folder(), c.removed);
  ASSERT_FALSE(change.failure);
  EXPECT_EQ(read("kat"), c.categoriesAfter);
  EXPECT_EQ(change.categories.size(), 2u);
  EXPECT_EQ(members(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, RemoveCategoryTest,
                         ::testing::Values(RemoveCase{"FirstOfThree",
                                                      {{0, "1\r\n"}, {1, "2\r\n"}, {2, "3\r\n"}},
                                                      0,
                                                      "<n>B</n>\r\n<n>C</n>\r\n",
                                                      {{0, "2\r\n"}, {1, "3\r\n"}}},
                                           RemoveCase{"FirstWhenTheSecondHasNoMembers",
                                                      {{0, "1\r\n"}, {2, "3\r\n"}},
                                                      0,
                                                      "<n>B</n>\r\n<n>C</n>\r\n",
                                                      {{1, "3\r\n"}}},
                                           RemoveCase{"Middle",
                                                      {{0, "1\r\n"}, {1, "2\r\n"}, {2, "3\r\n"}},
                                                      1,
                                                      "<n>A</n>\r\n<n>C</n>\r\n",
                                                      {{0, "1\r\n"}, {1, "3\r\n"}}},
                                           RemoveCase{"Last",
                                                      {{0, "1\r\n"}, {1, "2\r\n"}, {2, "3\r\n"}},
                                                      2,
                                                      "<n>A</n>\r\n<n>B</n>\r\n",
                                                      {{0, "1\r\n"}, {1, "2\r\n"}}}),
                         [](const ::testing::TestParamInfo<RemoveCase>& param) {
                           return param.param.title;
                         });

TEST_F(CategoryRulesTest, RemovingTheOnlyCategoryLeavesAnEmptyList) {
  write("kat", "<n>A</n>\r\n");
  write("k0", "1\r\n");
  const CategoryListChange change = RemoveCategory(folder(), 0);
  ASSERT_FALSE(change.failure);
  EXPECT_TRUE(change.categories.empty());
  EXPECT_EQ(read("kat"), "");
  EXPECT_FALSE(exists("k0"));
}

struct MoveCase {
  const char* title;
  MemberFiles before;
  int category;
  CategoryMove move;
  const char* categoriesAfter;
  MemberFiles after;
};

class MoveCategoryTest : public CategoryRulesTest,
                         public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MoveCategoryTest, MemberFilesAreSwappedWithTheLines) {
  const MoveCase& c = GetParam();
  write("kat", kAbc);
  writeMembers(c.before);
  ASSERT_FALSE(MoveCategory(folder(), c.category, c.move).failure);
  EXPECT_EQ(read("kat"), c.categoriesAfter);
  EXPECT_EQ(members(), c.after);
  EXPECT_FALSE(exists("kt" + std::to_string(c.category)));
}

const MemberFiles kAllMembers = {{0, "1\r\n"}, {1, "2\r\n"}, {2, "3\r\n"}};
constexpr char kBac[] = "<n>B</n>\r\n<n>A</n>\r\n<n>C</n>\r\n";

INSTANTIATE_TEST_SUITE_P(Cases, MoveCategoryTest,
                         ::testing::Values(MoveCase{"SecondUp",
                                                    kAllMembers,
                                                    1,
                                                    CategoryMove::Up,
                                                    kBac,
                                                    {{0, "2\r\n"}, {1, "1\r\n"}, {2, "3\r\n"}}},
                                           MoveCase{"SecondUpWhenOnlyItHasMembers",
                                                    {{1, "2\r\n"}},
                                                    1,
                                                    CategoryMove::Up,
                                                    kBac,
                                                    {{0, "2\r\n"}}},
                                           MoveCase{"FirstDownWhenOnlyTheSecondHasMembers",
                                                    {{1, "2\r\n"}},
                                                    0,
                                                    CategoryMove::Down,
                                                    kBac,
                                                    {{0, "2\r\n"}}},
                                           MoveCase{"FirstUpDoesNothing", kAllMembers, 0,
                                                    CategoryMove::Up, kAbc, kAllMembers},
                                           MoveCase{"LastDownDoesNothing", kAllMembers, 2,
                                                    CategoryMove::Down, kAbc, kAllMembers}),
                         [](const ::testing::TestParamInfo<MoveCase>& param) {
                           return param.param.title;
                         });

TEST_F(CategoryRulesTest, ALeftoverSwapFileIsRemovedBeforeAMove) {
  // Only A has members; "kt1" is left from a move that was cut short.
  write("kat", kAbc);
  write("k0", "1\r\n");
  write("kt1", "9\r\n");
  ASSERT_FALSE(MoveCategory(folder(), 1, CategoryMove::Up).failure);
  EXPECT_EQ(read("kat"), kBac);
  EXPECT_EQ(members(), (MemberFiles{{1, "1\r\n"}}));  // B has no members, A's moved with it
  EXPECT_FALSE(exists("kt1"));
}

TEST_F(CategoryRulesTest, ASwapFileThatCannotBeRemovedStopsTheMoveBeforeAnyChange) {
  write("kat", kAbc);
  writeMembers(kAllMembers);
  write("kt1/stuck", "");
  const CategoryListChange change = MoveCategory(folder(), 1, CategoryMove::Up);
  ASSERT_TRUE(change.failure);
  EXPECT_EQ(change.failure->file, folder() + "kt1");
  EXPECT_EQ(read("kat"), kAbc);
  EXPECT_EQ(members(), kAllMembers);
}

TEST_F(CategoryRulesTest, ASwapThatFailsHalfWayIsUndone) {
  // A's member "file" is a folder: B's members cannot take its name.
  write("kat", kAbc);
  write("k0/stuck", "");
  write("k1", "2\r\n");
  const CategoryListChange change = MoveCategory(folder(), 1, CategoryMove::Up);
  ASSERT_TRUE(change.failure);
  EXPECT_EQ(change.failure->file, folder() + "k0");
  EXPECT_EQ(read("kat"), kAbc);
  EXPECT_EQ(read("k1"), "2\r\n");
  EXPECT_FALSE(exists("kt1"));
}

// A command run on the catalog folder.
struct Command {
  const char* title;
  std::function<CategoryListChange(const std::string& folder)> run;
};

class ReadOnlyCategoryListTest : public CategoryRulesTest,
                                 public ::testing::WithParamInterface<Command> {};

TEST_P(ReadOnlyCategoryListTest, IsReportedAndNoFileChanges) {
  write("kat", kAbc);
  writeMembers(kAllMembers);
  ASSERT_EQ(::chmod((dir / "kat").c_str(), 0444), 0);
  const CategoryListChange change = GetParam().run(folder());
  ASSERT_TRUE(change.failure);
  EXPECT_EQ(change.failure->file, folder() + "kat");
  EXPECT_EQ(change.failure->reason, std::errc::permission_denied);
  EXPECT_EQ(read("kat"), kAbc);
  EXPECT_EQ(members(), kAllMembers);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ReadOnlyCategoryListTest,
    ::testing::Values(
        Command{"Add", [](const std::string& f) { return AddCategory(f, "D"); }},
        Command{"Rename", [](const std::string& f) { return RenameCategory(f, 0, "D"); }},
        Command{"Remove", [](const std::string& f) { return RemoveCategory(f, 0); }},
        Command{"MoveUp",
                [](const std::string& f) { return MoveCategory(f, 1, CategoryMove::Up); }}),
    [](const ::testing::TestParamInfo<Command>& param) { return param.param.title; });

struct MembersCase {
  const char* title;
  const char* bytes;  // nullptr: no member file
  std::vector<int> discs;
  bool damaged;
};

class ReadMembersTest : public CategoryRulesTest,
                        public ::testing::WithParamInterface<MembersCase> {};

TEST_P(ReadMembersTest, OnlyDiscIndicesOfTheCatalogCount) {
  const MembersCase& c = GetParam();
  if (c.bytes != nullptr) write("k2", c.bytes);
  const CategoryMembers members = ReadCategoryMembers(folder(), 2, 5);
  EXPECT_EQ(members.discs, c.discs);
  EXPECT_EQ(members.damaged, c.damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadMembersTest,
    ::testing::Values(MembersCase{"Missing", nullptr, {}, false},
                      MembersCase{"Empty", "", {}, false},
                      MembersCase{"InFileOrder", "3\r\n0\n4\r", {3, 0, 4}, false},
                      MembersCase{"LeadingZero", "01\r\n", {1}, false},
                      MembersCase{"Word", "1\r\nx\r\n2\r\n", {1, 2}, true},
                      MembersCase{"EmptyLine", "1\r\n\r\n2\r\n", {1, 2}, true},
                      MembersCase{"PastTheLastDisc", "5\r\n4\r\n", {4}, true},
                      MembersCase{"Negative", "-1\r\n", {}, true},
                      MembersCase{"Spaces", " 1\r\n1 \r\n", {}, true},
                      MembersCase{"TooLarge", "99999999999999999999\r\n", {}, true}),
    [](const ::testing::TestParamInfo<MembersCase>& param) { return param.param.title; });

TEST_F(CategoryRulesTest, StoredMembersAreAscendingAndEachOnce) {
  write("k1", "2\r\n");
  ASSERT_FALSE(StoreCategoryMembers(folder(), 1, {5, 0, 3, 0}));
  EXPECT_EQ(read("k1"), "0\r\n3\r\n5\r\n");
}

TEST_F(CategoryRulesTest, StoringNoMembersKeepsTheOldOnes) {
  write("k1", "2\r\n");
  EXPECT_FALSE(StoreCategoryMembers(folder(), 1, {}));
  EXPECT_EQ(read("k1"), "2\r\n");
  EXPECT_FALSE(StoreCategoryMembers(folder(), 0, {}));
  EXPECT_FALSE(exists("k0"));
}

TEST_F(CategoryRulesTest, AReadOnlyMemberFileIsReportedAndKept) {
  write("k1", "2\r\n");
  ASSERT_EQ(::chmod((dir / "k1").c_str(), 0444), 0);
  const auto failure = StoreCategoryMembers(folder(), 1, {0});
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->file, folder() + "k1");
  EXPECT_EQ(read("k1"), "2\r\n");
}

}  // namespace
}  // namespace spinfolio::test
