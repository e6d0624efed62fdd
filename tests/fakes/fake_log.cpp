#include "tests/fakes/fake_log.h"

#include <cstdlib>
#include <fstream>

namespace spinfolio::fake {

std::string Setting(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string Text(const char* text) { return text ? text : ""; }

void Record(std::initializer_list<std::string> fields) {
  const std::string log = Setting("SPINFOLIO_FAKE_LOG");
  if (log.empty()) return;
  std::ofstream out(log, std::ios::app | std::ios::binary);
  bool first = true;
  for (const auto& field : fields) {
    if (!first) out << '|';
    out << field;
    first = false;
  }
  out << '\n';
}

}  // namespace spinfolio::fake
