#pragma once

#include <cstdint>

namespace torvane::model {
struct FlashImage;
}

namespace torvane::testing {

// Takes `code` out of every place a key can sit (mappings, hot keys, key fields, macro and global hot keys), so a
// test can put it exactly where it wants a conflict.
void RemoveKeyEverywhere(model::FlashImage& image, std::uint8_t code);

}  // namespace torvane::testing
