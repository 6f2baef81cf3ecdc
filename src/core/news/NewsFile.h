#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace torvane::core {

// The one news record the manager keeps, as the file "messagefile.vqn" in the user's data folder (the program's
// own folder is not the user's to write in).

// Writes `record` as the news file, whole or not at all; false when it could not be written.
bool StoreNewsFile(std::span<const std::uint8_t> record);

// The stored record, or nothing when there is none, it is no plain file, or it is longer than any record.
std::vector<std::uint8_t> LoadNewsFile();

}  // namespace torvane::core
