#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/FlashImage.h"

namespace torvane::fuzz {

// The flash image target's input: the regions in the order configuration,
// macro, information, boot, response, so that the tables with their counts
// and names sit in the first bytes a fuzzer changes. A shorter input leaves
// the rest of `image` as it was.
void OverlayImage(model::FlashImage& image, std::span<const std::uint8_t> input);

// `image` in that order, whole.
std::vector<std::uint8_t> ImageInputOf(const model::FlashImage& image);

}  // namespace torvane::fuzz
