#include "model/FlashImage.h"

#include <gtest/gtest.h>

namespace torvane::model {
namespace {

class FlashImageTest : public ::testing::Test {
 protected:
  std::unique_ptr<FlashImage> image = MakeFlashImage();
  std::unique_ptr<DefaultImages> defaults = MakeDefaultImages();
  void SetUp() override { ResetDefaultImages(*defaults); }
};

TEST_F(FlashImageTest, DefaultImagesCarryMarkersVersionsAndGlobalHotkeys) {
  EXPECT_TRUE(IsValid(defaults->macro));
  EXPECT_TRUE(IsValid(defaults->config));
  EXPECT_TRUE(IsValid(defaults->response));
  EXPECT_TRUE(HasCurrentFormat(defaults->macro));
  EXPECT_TRUE(HasCurrentFormat(defaults->config));
  EXPECT_TRUE(HasCurrentFormat(defaults->response));
  EXPECT_EQ(defaults->macro.count, 0);
  EXPECT_EQ(defaults->config.count, 0);
  EXPECT_EQ(defaults->config.host, 0);
  ASSERT_EQ(defaults->config.global_hotkey_count, 7);
  const std::uint8_t expected[] = {0x4B, 0x4E, 0x45, 0x52, 0x51, 0x4F, 0x50};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(defaults->config.global_hotkeys[i], expected[i]) << i;
  EXPECT_EQ(defaults->config.global_hotkeys[7], 0);
}

TEST_F(FlashImageTest, RestoreOverwritesOnlyTheThreeEditableRegions) {
  image->boot.start = kStartMarker;
  image->boot.firmware_version = {4, 5, 117};
  image->config.count = 3;
  image->macro.count = 9;
  RestoreDefaultRegions(*image, *defaults);
  EXPECT_EQ(image->config.count, 0);
  EXPECT_EQ(image->macro.count, 0);
  EXPECT_TRUE(IsValid(image->response));
  EXPECT_EQ(image->boot.firmware_version, (Version{4, 5, 117}));
}

TEST_F(FlashImageTest, ValidityNeedsBothMarkers) {
  EXPECT_FALSE(IsValid(image->info));
  image->info.start = kStartMarker;
  EXPECT_FALSE(IsValid(image->info));
  image->info.end = kEndMarker;
  EXPECT_TRUE(IsValid(image->info));
  image->config = defaults->config;
  image->config.version = {2, 0, 1};
  EXPECT_TRUE(IsValid(image->config));
  EXPECT_FALSE(HasCurrentFormat(image->config));
}

TEST_F(FlashImageTest, SaveJobListsDirtyRegionsInFixedOrder) {
  SaveJob config_only = BuildSaveJob(*image, kUnsavedConfig);
  ASSERT_EQ(config_only.regions.size(), 1u);
  EXPECT_EQ(config_only.regions[0].address, 0x0800C000u);
  EXPECT_EQ(config_only.regions[0].sector, 3);
  EXPECT_EQ(config_only.regions[0].bytes.size(), 16384u);
  EXPECT_EQ(config_only.total_length, 16384u);

  SaveJob all = BuildSaveJob(*image, kUnsavedAll);
  ASSERT_EQ(all.regions.size(), 3u);
  EXPECT_EQ(all.regions[0].address, 0x08008000u);
  EXPECT_EQ(all.regions[1].address, 0x0800C000u);
  EXPECT_EQ(all.regions[2].address, 0x08010000u);
  EXPECT_EQ(all.regions[2].bytes.size(), 65536u);
  EXPECT_EQ(all.total_length, 16384u + 16384u + 65536u);
  EXPECT_EQ(all.regions[1].bytes.data(), reinterpret_cast<const std::uint8_t*>(&image->config));

  EXPECT_TRUE(BuildSaveJob(*image, 0).regions.empty());
}

TEST(VersionTest, ComparesMajorThenMinorThenPatch) {
  EXPECT_EQ(CompareVersion({4, 5, 118}, {4, 5, 118}), kVersionEqual);
  EXPECT_EQ(CompareVersion({4, 5, 118}, {4, 5, 119}), kVersionNewer);
  EXPECT_EQ(CompareVersion({4, 5, 118}, {4, 5, 117}), kVersionOlder);
  EXPECT_EQ(CompareVersion({2, 0, 0}, {1, 99, 99}), kVersionOlder);
  EXPECT_EQ(CompareVersion({2, 0, 0}, {2, 0, 1}), kVersionNewer);
  EXPECT_EQ(CompareVersion({1, 10, 0}, {1, 9, 255}), kVersionOlder);
}

TEST(LittleEndianTest, StoresLowByteFirstWhateverTheHost) {
  ConfigRecord record{};
  record.color = 0xFF00FF80u;
  record.hip_min_speed = static_cast<std::int16_t>(-1000);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
  EXPECT_EQ(bytes[41], 0x80);  // color, low byte first
  EXPECT_EQ(bytes[44], 0xFF);
  EXPECT_EQ(bytes[82], 0x18);  // -1000 = 0xFC18
  EXPECT_EQ(bytes[83], 0xFC);
  EXPECT_EQ(record.hip_min_speed.get(), -1000);
}

}  // namespace
}  // namespace torvane::model
