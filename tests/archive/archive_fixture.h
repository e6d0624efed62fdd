#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/archive_progress.h"
#include "archive/archive_reader.h"
#include "archive/archive_writer.h"
#include "tests/support/temp_dir.h"

namespace spinfolio::archive::test {

using spinfolio::test::ReadFile;
using spinfolio::test::TempDir;
using spinfolio::test::WriteFile;

/// Records what packing and unpacking show.
class RecordingProgress final : public ArchiveProgress {
 public:
  void setTexts(const std::string& headingText, const std::string& activityText) override {
    heading = headingText;
    activity = activityText;
  }
  void setActivity(const std::string& activityText) override { activity = activityText; }
  void setOpacity(int value) override { opacities.push_back(value); }
  void setMaximum(int value) override { maximum = value; }
  void setPosition(int value) override { positions.push_back(value); }
  void show() override { shown = true; }
  void processMessages() override {}
  void reportError(const std::string& text) override { errors.push_back(text); }

  std::string heading;
  std::string activity;
  std::vector<int> opacities;
  std::vector<int> positions;
  int maximum = 0;
  bool shown = false;
  std::vector<std::string> errors;
};

/// A catalog folder in a temp root and an archive beside its photo folder.
class ArchiveFixture : public ::testing::Test {
 protected:
  std::string tempRoot() const { return dir / "tmp/"; }
  static constexpr char kFolderName[] = "spinfoliotemp_202612111432/";
  std::string catalog() const { return tempRoot() + kFolderName; }
  std::string archive() const { return dir / "data/spinfolio.sfa"; }
  std::string photos() const { return dir / "data/spinfolio-graph/"; }

  /// Writes catalog files: names ending in ".jpg" go to the photo folder.
  void writeCatalog(const std::vector<std::pair<std::string, std::string>>& files) const;

  SaveArchiveRequest saveArguments(bool closing = false, bool photosInside = true) const;
  OpenArchiveRequest openArguments() const;

  SaveOutcome save(bool closing = false, bool photosInside = true);
  OpenOutcome open();

  TempDir dir;
  RecordingProgress progress;
};

/// The whole content of a zlib stream, decompressed with zlib directly.
std::string Inflated(const std::string& compressed);

}  // namespace spinfolio::archive::test
