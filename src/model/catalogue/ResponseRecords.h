#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/FlashRegions.h"

namespace torvane::model::catalogue {

inline constexpr std::size_t kDefaultResponseCount = 159;
inline constexpr std::size_t kResponseTables = 4;
inline constexpr std::size_t kResponseTableSize = 1000;
// Each table: a u16 length, then its bytes.
inline constexpr std::size_t kResponseTableStride = 2 + kResponseTableSize;
static_assert(kResponseTables * kResponseTableStride == sizeof(ResponseRecord::data));

// The default response records, identifiers 1..159 in order.
std::vector<ResponseRecord> BuildDefaultResponseRecords();

// Identifier of the response record the catalogue gives a game: one per game
// id; identifiers above 137 are spare records no catalogue game takes.
constexpr std::uint16_t ResponseIdForGame(int game_id) {
  return static_cast<std::uint16_t>(game_id + 1);
}

}  // namespace torvane::model::catalogue
