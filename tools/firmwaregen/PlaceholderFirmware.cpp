#include "PlaceholderFirmware.h"

#include <algorithm>
#include <cstring>

#include "model/LittleEndian.h"
#include "model/Version.h"

namespace torvane::firmwaregen {
namespace {

// Vigna's SplitMix64: tiny, fully specified, and every seed gives a full-period stream.
std::uint64_t NextSplitMix64(std::uint64_t& state) {
  state += 0x9E3779B97F4A7C15ULL;
  std::uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

}  // namespace

std::vector<std::uint8_t> MakePlaceholderFirmware() {
  std::vector<std::uint8_t> image(kFirmwareSize, 0);
  static_assert(sizeof(kFirmwareMagic) <= 32);
  std::memcpy(image.data(), kFirmwareMagic, sizeof(kFirmwareMagic) - 1);
  image[32] = model::kManagerVersion.major;
  image[33] = model::kManagerVersion.minor;
  image[34] = model::kManagerVersion.patch;
  model::WriteU32(image.data() + 36, static_cast<std::uint32_t>(kFirmwareSize));
  model::WriteU32(image.data() + 40, static_cast<std::uint32_t>(kFirmwareSeed));
  model::WriteU32(image.data() + 44, static_cast<std::uint32_t>(kFirmwareSeed >> 32));

  std::uint64_t state = kFirmwareSeed;
  for (std::size_t offset = kFirmwareHeaderSize; offset < image.size(); offset += 8) {
    std::uint64_t word = NextSplitMix64(state);
    std::size_t count = std::min<std::size_t>(8, image.size() - offset);
    for (std::size_t i = 0; i < count; ++i) {
      image[offset + i] = static_cast<std::uint8_t>(word >> (8 * i));
    }
  }
  return image;
}

}  // namespace torvane::firmwaregen
