// Where the program's data files (program texts, pictures) are: beside the
// executable in a build tree, or in ../share/tavro beside its bin/ folder when
// installed under a prefix, so a copy installed under any prefix finds them.
#pragma once

#include <string>
#include <vector>

namespace tavro {

struct DataFolderSearch {
  std::string folder;              // the first folder holding the data; empty when none does
  std::vector<std::string> tried;  // every folder looked in, in order
  bool found() const { return !folder.empty(); }
};

// Looks for `marker` (a file every complete copy of the data holds) in the
// folders that serve a program living in `programFolder`.
[[nodiscard]] DataFolderSearch FindDataFolder(const std::string& programFolder, const std::string& marker = "tavro.dat");

// One line naming the folders looked in, for a search that found nothing,
// after the name of the program that looked.
std::string DataFolderNotFoundText(const DataFolderSearch& search, const std::string& marker = "tavro.dat",
                                   const std::string& program = "tavro");

// The data folder of the running program, searched once. When no folder holds
// the data it writes DataFolderNotFoundText to stderr and returns the program's
// own folder, so the load that follows reports the missing file as it always has.
std::string ProgramDataFolder(const std::string& program = "tavro");

}  // namespace tavro
