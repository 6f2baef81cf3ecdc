#include "SkinMembers.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace torvane::skinpack {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("cannot read " + path.string());
  return bytes;
}

// Regular files of `dir` with the extension, sorted by name.
std::vector<fs::path> FilesWithExtension(const fs::path& dir, const std::string& extension) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.is_regular_file() && entry.path().extension() == extension) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
  return files;
}

std::vector<fs::path> SubFolders(const fs::path& dir) {
  std::vector<fs::path> folders;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.is_directory()) folders.push_back(entry.path());
  }
  std::sort(folders.begin(), folders.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
  return folders;
}

void AppendFiles(std::vector<ArchiveMember>& members, const std::string& prefix, const std::vector<fs::path>& files) {
  for (const auto& file : files) members.push_back({prefix + file.filename().string(), ReadWholeFile(file)});
}

}  // namespace

std::vector<ArchiveMember> CollectSkinMembers(const SkinSources& sources) {
  std::vector<ArchiveMember> members;
  try {
    AppendFiles(members, "", FilesWithExtension(sources.layouts_dir, ".xml"));
    AppendFiles(members, "", FilesWithExtension(sources.images_dir, ".png"));
    for (const auto& folder : SubFolders(sources.images_dir)) {
      const std::string prefix = folder.filename().string() + "/";
      members.push_back({prefix, {}});
      AppendFiles(members, prefix, FilesWithExtension(folder, ".png"));
    }
  } catch (const fs::filesystem_error& error) {
    throw std::runtime_error(error.what());
  }
  members.push_back({sources.firmware.filename().string(), ReadWholeFile(sources.firmware)});
  return members;
}

}  // namespace torvane::skinpack
