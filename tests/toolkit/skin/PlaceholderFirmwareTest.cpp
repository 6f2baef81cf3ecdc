#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <cstring>

#include "PlaceholderFirmware.h"
#include "firmware/CarriedFirmware.h"
#include "firmware/EmbeddedFirmware.h"
#include "model/LittleEndian.h"

namespace torvane::skintest {
namespace {

using firmwaregen::MakePlaceholderFirmware;

TEST(PlaceholderFirmware, HeaderNamesWhatItIs) {
  const auto image = MakePlaceholderFirmware();
  ASSERT_EQ(image.size(), 166'680u);
  EXPECT_EQ(std::memcmp(image.data(), "TORVANE FIRMWARE PLACEHOLDER", 28), 0);
  EXPECT_EQ(image[32], 4);
  EXPECT_EQ(image[33], 5);
  EXPECT_EQ(image[34], 118);
  EXPECT_EQ(model::ReadU32(image.data() + 36), 166'680u);
}

TEST(PlaceholderFirmware, SameBytesEveryTime) {
  EXPECT_EQ(MakePlaceholderFirmware(), MakePlaceholderFirmware());
}

TEST(PlaceholderFirmware, BodyLooksLikeDataNotFill) {
  const auto image = MakePlaceholderFirmware();
  const auto body_begin = image.begin() + firmwaregen::kFirmwareHeaderSize;
  // Neither erased flash (0xFF) nor zeros anywhere in a long run, and every byte value shows up.
  std::bitset<256> seen;
  for (auto it = body_begin; it != image.end(); ++it) seen.set(*it);
  EXPECT_TRUE(seen.all());
  EXPECT_EQ(std::search_n(body_begin, image.end(), 16, std::uint8_t{0xFF}), image.end());
  EXPECT_EQ(std::search_n(body_begin, image.end(), 16, std::uint8_t{0x00}), image.end());
  // The stream runs to the very end of the image.
  EXPECT_FALSE(std::all_of(image.end() - 8, image.end(), [](std::uint8_t b) { return b == 0; }));
}

// The programs without a skin carry the same image, and never one that is not as it was built in.
TEST(CarriedFirmware, IsThePlaceholderAndADamagedImageIsRefused) {
  const auto carried = firmware::CarriedFirmware();
  ASSERT_TRUE(carried);
  EXPECT_EQ(*carried, MakePlaceholderFirmware());
  std::vector<std::uint8_t> damaged = *carried;
  damaged[1000] ^= 0x01;
  EXPECT_FALSE(firmware::CheckedFirmware(damaged, firmware::EmbeddedFirmwareCrc32()));
  damaged.pop_back();
  EXPECT_FALSE(firmware::CheckedFirmware(damaged, firmware::EmbeddedFirmwareCrc32()));
  EXPECT_FALSE(firmware::CheckedFirmware({}, 0)) << "an empty image fits no upgrade, whatever its checksum";
}

}  // namespace
}  // namespace torvane::skintest
