#include "platform/runtime_library.h"

#include <dlfcn.h>

namespace spinfolio {

RuntimeLibrary::RuntimeLibrary(const std::filesystem::path& file)
    : handle_(::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) {}

RuntimeLibrary::~RuntimeLibrary() {
  if (handle_ != nullptr) ::dlclose(handle_);
}

void* RuntimeLibrary::lookUp(const char* name) const {
  return handle_ != nullptr ? ::dlsym(handle_, name) : nullptr;
}

}  // namespace spinfolio
