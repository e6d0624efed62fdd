#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "shell/form1.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_dir.h"

namespace spinfolio::test {

/// 11 December 2026, 14:32:05.
class FixedClock final : public Clock {
 public:
  QDateTime now() const override;
};

/// A main window started in a fresh home, with the stand-in libraries it is given.
class StartupFixture : public ::testing::Test {
 protected:
  StartupFixture();
  ~StartupFixture() override;

  /// Puts a stand-in library into the program's folder under the given name.
  void install(const char* fakeLibrary, const char* asName);
  void installPackhold();

  std::unique_ptr<TForm1> makeForm(QStringList arguments = {});
  /// A window that shows its boxes through other dialogs, for a second copy of the program.
  std::unique_ptr<TForm1> makeFormWith(ScriptedDialogs& formDialogs, QStringList arguments = {});

  /// The calls the stand-in libraries recorded, each split into its fields.
  std::vector<std::vector<std::string>> calls() const;
  std::vector<std::vector<std::string>> callsOf(const std::string& entry) const;

  std::string settingsFolder() const { return env.configHome() + "Spinfolio/"; }
  std::string iniPath() const { return settingsFolder() + "spinfolio.ini"; }
  void writeIni(const std::string& bytes) const { WriteFile(iniPath(), bytes); }
  /// A catalog folder's files that the stand-in unpack hands to the program.
  void provideCatalog(const std::vector<std::pair<std::string, std::string>>& files);
  /// The entries of the temp root whose names start with "spinfoliotemp_".
  std::vector<std::string> catalogFoldersLeft() const;

  FreshEnvironment env;
  TempDir scratch;
  /// The system's drives as the window sees them: none until a test writes these files.
  DriveSources drives{.mountsTable = scratch / "mounts", .blockClass = scratch / "block"};
  ScriptedDialogs dialogs;
  FixedClock clock;
};

inline constexpr char kCatalogFolderName[] = "spinfoliotemp_202612111432/";

}  // namespace spinfolio::test
