// Runs a harness over files and folders of inputs once each, for builds without libFuzzer (the host
// compiler's sanitizers still watch every run). Prints how many inputs ran; a broken input aborts.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_input.h"

namespace {

int RunFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
    return 1;
  }
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int inputs = 0, errors = 0;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path arg(argv[i]);
    if (std::filesystem::is_directory(arg)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(arg)) {
        if (!entry.is_regular_file()) continue;
        errors += RunFile(entry.path());
        ++inputs;
      }
    } else {
      errors += RunFile(arg);
      ++inputs;
    }
  }
  std::printf("replayed %d inputs\n", inputs);
  return errors ? 1 : 0;
}
