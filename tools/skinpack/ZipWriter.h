#pragma once

#include <filesystem>
#include <vector>

#include "ArchiveMember.h"

namespace torvane::skinpack {

// Writes the members, in the given order, as a zip archive: files compressed with deflate at the best level,
// folders as folder entries; every entry dated 2020-01-01 00:00 with Unix mode 0644 (folders 0755), so the same
// members always give the same bytes. Throws std::runtime_error on failure.
void WriteZipArchive(const std::vector<ArchiveMember>& members, const std::filesystem::path& output);

}  // namespace torvane::skinpack
