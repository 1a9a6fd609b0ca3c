#include "cli/page_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace volantis4 {
namespace {

// The program's own path; empty when the system does not say.
std::filesystem::path programPath() {
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : path;
}

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// Where the module may be, in order: installed beside the program, then (for a program of the build
// tree only, so an installed program never reaches back into a build) the build tree's copy.
std::vector<std::filesystem::path> candidates() {
  std::vector<std::filesystem::path> paths;
  const std::filesystem::path program = programPath();
  if (!program.empty()) {
    paths.push_back(program.parent_path() / VOLANTIS4_PAGES_FROM_PROGRAM);
    if (startsWith(program.string(), std::string(VOLANTIS4_BUILD_DIR) + "/"))
      paths.emplace_back(VOLANTIS4_PAGES_BUILD_PATH);
  }
  return paths;
}

struct Loaded {
  const PageWriters* writers = nullptr;
  std::string error;
};

Loaded load() {
  Loaded loaded;
  for (const std::filesystem::path& path : candidates()) {
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) continue;
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
      const char* reason = dlerror();
      loaded.error = "The page writer " + path.string() + " cannot be loaded: " + (reason != nullptr ? reason : "");
      return loaded;
    }
    using Entry = const PageWriters* (*)();
    auto entry = reinterpret_cast<Entry>(dlsym(module, kPageWritersEntry));  // NOLINT: the loader's own cast
    if (entry == nullptr) {
      loaded.error = "The page writer " + path.string() + " has no entry " + kPageWritersEntry + ".";
      return loaded;
    }
    loaded.writers = entry();
    return loaded;
  }
  loaded.error = std::string("The page writer ") + VOLANTIS4_PAGES_FROM_PROGRAM +
                 " is not installed beside the program: this installation cannot write pages.";
  return loaded;
}

}  // namespace

const PageWriters* pageWriters(std::string& error) {
  static const Loaded loaded = load();
  error = loaded.error;
  return loaded.writers;
}

}  // namespace volantis4
