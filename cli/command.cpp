// The helpers every command and the batch conversion share, in the support
// library so the fuzz targets link them too.
#include "cli/command.h"

#include <CLI/CLI.hpp>
#include <iostream>

namespace tavro::cli {

int UsageError(const std::string& message) {
  std::cerr << "tavro-cli: " << message << "\n";
  return 2;
}

bool Given(const CLI::Option* option) { return option != nullptr && option->count() > 0; }

}  // namespace tavro::cli
