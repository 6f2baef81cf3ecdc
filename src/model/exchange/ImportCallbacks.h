#pragma once

#include <cstdint>
#include <functional>

#include "model/FlashRegions.h"

namespace torvane::model {

// The catalogue's default response record for a curve id, or null.
using DefaultResponseFn = std::function<const ResponseRecord*(std::uint16_t curve_id)>;

// Asks whether to go on although `key_code` is taken elsewhere; true for yes.
using ConfirmOccupiedFn = std::function<bool(std::uint8_t key_code)>;

}  // namespace torvane::model
