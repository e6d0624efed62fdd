// The library as the program uses it: loaded with dlopen, called through its C entry points.

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "common/file_ops.h"
#include "platform/runtime_library.h"
#include "tests/archive/archive_fixture.h"

namespace spinfolio::archive::test {
namespace {

extern "C" {
using SaveArchFunction = void(int, int, const char*, const char*, const char*, const char*, int,
                              int);
using OpenArchFunction = void(const char*, const char*, const char*, int);
}

// Counts the progress windows shown while it lives.
class ProgressWindowWatch final : public QObject {
 public:
  ProgressWindowWatch() { qApp->installEventFilter(this); }
  ~ProgressWindowWatch() override { qApp->removeEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        QByteArray(watched->metaObject()->className()).endsWith("TForm7")) {
      ++shown;
    }
    return false;
  }

  int shown = 0;
};

class PackholdLibrary : public ArchiveFixture {
 protected:
  PackholdLibrary() : library(PACKHOLD_LIBRARY) {}

  void saveArch(int closeCatalog, int photosInside, int language = 0) {
    auto* saveArchEntry = library.entry<SaveArchFunction>("_SaveArch");
    ASSERT_NE(saveArchEntry, nullptr);
    saveArchEntry(closeCatalog, 1, "Spinfolio", archive().c_str(), tempRoot().c_str(), kFolderName,
                  language, photosInside);
  }

  void openArch(const std::string& path) {
    auto* openArchEntry = library.entry<OpenArchFunction>("_OpenArch");
    ASSERT_NE(openArchEntry, nullptr);
    openArchEntry(path.c_str(), tempRoot().c_str(), kFolderName, 0);
  }

  RuntimeLibrary library;
};

TEST_F(PackholdLibrary, ExportsTheEntryPoints) {
  ASSERT_TRUE(library.loaded());
  EXPECT_NE(library.entry<void>("_Form7"), nullptr);
  // The library's own functions stay inside it.
  EXPECT_EQ(library.entry<void>("_ZN9spinfolio7archive13InflateStream4readEPvm"), nullptr);
}

TEST_F(PackholdLibrary, CatalogSurvivesPackingAndUnpacking) {
  writeCatalog({{"plyty", "<n>A</n>\r\n"}, {"cd0", "<n>x</n>\r\n"}, {"cd0.jpg", "photo"}});
  ProgressWindowWatch watch;
  saveArch(1, 1);
  EXPECT_EQ(watch.shown, 1);
  EXPECT_FALSE(PathExists(catalog()));
  EXPECT_FALSE(PathExists(photos()));

  openArch(archive());
  EXPECT_EQ(watch.shown, 2);
  EXPECT_EQ(ReadFile(catalog() + "plyty"), "<n>A</n>\r\n");
  EXPECT_EQ(ReadFile(catalog() + "cd0"), "<n>x</n>\r\n");
  EXPECT_EQ(ReadFile(photos() + "cd0.jpg"), "photo");
  // No progress window outlives its call.
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(QByteArray(widget->metaObject()->className()).endsWith("TForm7"));
  }
}

TEST_F(PackholdLibrary, TruthValuesAreTheirLowByte) {
  writeCatalog({{"plyty", "<n>A</n>\r\n"}, {"cd0", ""}, {"cd0.jpg", "photo"}});
  saveArch(0x100, 0x200);
  EXPECT_TRUE(FolderExists(catalog()));
  EXPECT_TRUE(FolderExists(photos()));
  saveArch(0x101, 0x201);
  EXPECT_FALSE(PathExists(catalog()));
  EXPECT_FALSE(PathExists(photos()));
}

TEST_F(PackholdLibrary, MissingArchiveOpensAnEmptyCatalogWithoutAWindow) {
  ProgressWindowWatch watch;
  openArch(archive());
  EXPECT_EQ(watch.shown, 0);
  EXPECT_EQ(ReadFile(catalog() + "plyty"), "");
  EXPECT_EQ(ReadFile(catalog() + "kat"), "");
  EXPECT_TRUE(FolderExists(photos()));

  // An empty catalog packs to nothing, and closing still removes the folders.
  saveArch(1, 1);
  EXPECT_EQ(watch.shown, 0);
  EXPECT_FALSE(PathExists(archive()));
  EXPECT_FALSE(PathExists(catalog()));
}

TEST_F(PackholdLibrary, NullTextsAreEmptyTexts) {
  auto* openArchEntry = library.entry<OpenArchFunction>("_OpenArch");
  ASSERT_NE(openArchEntry, nullptr);
  // An empty archive path has no ".sfa" extension: an empty catalog in the folder given.
  openArchEntry(nullptr, tempRoot().c_str(), kFolderName, 0);
  EXPECT_EQ(ReadFile(catalog() + "plyty"), "");
}

}  // namespace
}  // namespace spinfolio::archive::test
