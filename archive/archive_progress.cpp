#include "archive/archive_progress.h"

#include <cstdio>

namespace spinfolio::archive {

void SilentProgress::reportError(const std::string& text) {
  std::fprintf(stderr, "packhold: %s\n", text.c_str());
}

}  // namespace spinfolio::archive
