#include "core/time/data_folder.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tavro {

namespace fs = std::filesystem;

DataFolderSearch FindDataFolder(const std::string& programFolder, const std::string& marker) {
  const fs::path program = fs::path(programFolder.empty() ? "." : programFolder);
  DataFolderSearch search;
  search.tried = {program.lexically_normal().string(), (program / ".." / "share" / "tavro").lexically_normal().string()};
  for (auto& folder : search.tried) {
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    std::error_code ec;
    if (search.folder.empty() && fs::is_regular_file(fs::path(folder) / marker, ec)) search.folder = folder;
  }
  return search;
}

std::string DataFolderNotFoundText(const DataFolderSearch& search, const std::string& marker,
                                   const std::string& program) {
  std::string text = program + ": data files (" + marker + ") not found; looked in";
  for (size_t i = 0; i < search.tried.size(); ++i) text += (i == 0 ? " " : ", ") + search.tried[i];
  return text;
}

std::string ProgramDataFolder(const std::string& program) {
  static const std::string folder = [&program] {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const std::string programFolder = ec ? std::string(".") : exe.parent_path().string();
    const DataFolderSearch search = FindDataFolder(programFolder);
    if (search.found()) return search.folder;
    std::fprintf(stderr, "%s\n", DataFolderNotFoundText(search, "tavro.dat", program).c_str());
    return programFolder;
  }();
  return folder;
}

}  // namespace tavro
