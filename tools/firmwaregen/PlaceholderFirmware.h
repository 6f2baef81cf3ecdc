#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace torvane::firmwaregen {

// The real firmware belongs to the adapter's maker and is not ours to ship. The skin archive carries a stand-in of
// the real image's size instead, so that the upgrade path (size checks, plan lengths, sector list) runs unchanged.
//
// Layout, all integers little-endian:
//   0..31   "TORVANE FIRMWARE PLACEHOLDER" padded with NUL
//   32..34  version 4, 5, 118; 35 zero
//   36..39  total size in bytes (166,680)
//   40..47  seed of the stream below
//   48..63  zero
//   64..    SplitMix64 stream from the seed, each 64-bit output stored little-endian, cut at the total size
inline constexpr std::size_t kFirmwareSize = 166'680;
inline constexpr std::size_t kFirmwareHeaderSize = 64;
inline constexpr std::uint64_t kFirmwareSeed = 0x54'56'4E'46'57'34'35'76ULL;
inline constexpr char kFirmwareMagic[] = "TORVANE FIRMWARE PLACEHOLDER";

std::vector<std::uint8_t> MakePlaceholderFirmware();

}  // namespace torvane::firmwaregen
