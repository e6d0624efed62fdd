#pragma once

#include <filesystem>
#include <string>

namespace spinfolio {

/// A shared library loaded for one request and released when the object goes.
class RuntimeLibrary {
 public:
  explicit RuntimeLibrary(const std::filesystem::path& file);
  RuntimeLibrary(const RuntimeLibrary&) = delete;
  RuntimeLibrary& operator=(const RuntimeLibrary&) = delete;
  ~RuntimeLibrary();

  bool loaded() const { return handle_ != nullptr; }

  /// The exported function of that name, or nullptr when the library lacks it.
  template <typename Function>
  Function* entry(const char* name) const {
    return reinterpret_cast<Function*>(lookUp(name));
  }

 private:
  void* lookUp(const char* name) const;

  void* handle_ = nullptr;
};

}  // namespace spinfolio
