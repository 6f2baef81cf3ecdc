#pragma once

#include <filesystem>
#include <vector>

#include "ArchiveMember.h"

namespace torvane::skinpack {

struct SkinSources {
  std::filesystem::path layouts_dir;  // every *.xml directly inside
  std::filesystem::path images_dir;   // *.png at the top and one level of folders below
  std::filesystem::path firmware;     // packed under its own file name
};

// Reads the skin's files in archive order: layouts, top-level images, then each image folder as a folder entry
// followed by its images, then the firmware; names sorted bytewise within each group so that the order never
// depends on the file system. Throws std::runtime_error when a file cannot be read.
std::vector<ArchiveMember> CollectSkinMembers(const SkinSources& sources);

}  // namespace torvane::skinpack
