// Runs a fuzz target's entry point once on every file of the folders given,
// so the seed corpus is an ordinary test of the sanitizer tree: a seed that
// crashes or trips a sanitizer fails it. `make fuzz` does the real fuzzing.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    std::error_code ec;
    if (!fs::is_directory(argv[i], ec)) {
      std::fprintf(stderr, "%s: not a folder\n", argv[i]);
      return 2;
    }
    for (const auto& e : fs::directory_iterator(argv[i])) files.push_back(e.path());
  }
  // The same order every run, so a failure names the same seed again.
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::fprintf(stderr, "no seeds\n");
    return 2;
  }
  for (const auto& path : files) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
      std::fprintf(stderr, "%s: cannot read\n", path.c_str());
      return 2;
    }
    std::fprintf(stderr, "%s\n", path.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu seeds\n", files.size());
  return 0;
}
