#include "tests/window/startup_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "common/file_ops.h"
#include "common/text_file.h"
#include "platform/folders.h"

namespace spinfolio::test {

QDateTime FixedClock::now() const { return {QDate(2026, 12, 11), QTime(14, 32, 5)}; }

StartupFixture::StartupFixture() {
  ::setenv("SPINFOLIO_FAKE_LOG", (scratch / "calls.log").c_str(), 1);
  ::unsetenv("SPINFOLIO_FAKE_CATALOG");
  ::unsetenv("SPINFOLIO_FAKE_SAVE_FAILS");
  ::unsetenv("SPINFOLIO_FAKE_NEW_VERSION");
}

StartupFixture::~StartupFixture() {
  for (const char* name : {"SPINFOLIO_FAKE_LOG", "SPINFOLIO_FAKE_CATALOG",
                           "SPINFOLIO_FAKE_SAVE_FAILS", "SPINFOLIO_FAKE_NEW_VERSION"}) {
    ::unsetenv(name);
  }
}

void StartupFixture::install(const char* fakeLibrary, const char* asName) {
  ASSERT_FALSE(CopyFileTo(fakeLibrary, env.programFolder() + asName, Replace::Yes));
}

void StartupFixture::installPackhold() { install(FAKE_PACKHOLD, "libpackhold.so"); }

std::unique_ptr<TForm1> StartupFixture::makeForm(QStringList arguments) {
  return makeFormWith(dialogs, std::move(arguments));
}

std::unique_ptr<TForm1> StartupFixture::makeFormWith(ScriptedDialogs& formDialogs,
                                                     QStringList arguments) {
  StartContext context;
  context.programFolder = env.programFolder();
  context.arguments = std::move(arguments);
  context.lockFile = env.runtimeDir() + "spinfolio.lock";
  context.clock = &clock;
  context.dialogs = &formDialogs;
  context.driveSources = drives;
  return std::make_unique<TForm1>(std::move(context));
}

std::vector<std::vector<std::string>> StartupFixture::calls() const {
  std::vector<std::vector<std::string>> result;
  for (const auto& line : ReadLinesOrEmpty(scratch / "calls.log")) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '|')) fields.push_back(field);
    result.push_back(std::move(fields));
  }
  return result;
}

std::vector<std::vector<std::string>> StartupFixture::callsOf(const std::string& entry) const {
  std::vector<std::vector<std::string>> result;
  for (auto& call : calls()) {
    if (!call.empty() && call.front() == entry) result.push_back(std::move(call));
  }
  return result;
}

void StartupFixture::provideCatalog(const std::vector<std::pair<std::string, std::string>>& files) {
  const std::string folder = scratch / "catalog/";
  for (const auto& [name, bytes] : files) WriteFile(folder + name, bytes);
  ::setenv("SPINFOLIO_FAKE_CATALOG", folder.c_str(), 1);
}

std::vector<std::string> StartupFixture::catalogFoldersLeft() const {
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(SystemTempFolder())) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("spinfoliotemp_")) left.push_back(name);
  }
  return left;
}

}  // namespace spinfolio::test
