#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace torvane::skinpack {

// One entry of the skin archive; a name ending in '/' is a folder entry and carries no data.
struct ArchiveMember {
  std::string name;
  std::vector<std::uint8_t> data;

  bool is_folder() const { return !name.empty() && name.back() == '/'; }
};

}  // namespace torvane::skinpack
