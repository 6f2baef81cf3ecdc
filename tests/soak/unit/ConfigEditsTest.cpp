#include "soak/ConfigEdits.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/RegionBytes.h"
#include "model/tables/ConfigTable.h"
#include "soak/AdapterRegions.h"
#include "support/ScenarioRead.h"

namespace torvane::soak {
namespace {

class ConfigEditsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto read = testing::ReadScenario("working-mode-1");
    ASSERT_TRUE(read && read->image);
    image = std::make_unique<model::FlashImage>(*read->image);
  }
  std::unique_ptr<model::FlashImage> image;
  std::mt19937_64 random{3};
};

// Each edit changes one field of one configuration of the shown console to a value the editing page accepts, and
// nothing else; a hot key never takes one in use.
TEST_F(ConfigEditsTest, AnEditChangesItsFieldAloneWithinWhatThePageAccepts) {
  for (int i = 0; i < 300; ++i) {
    const std::optional<FieldEdit> edit = PickEdit(*image, random);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->host, image->config.host);
    EXPECT_FALSE(Holds(*image, *edit)) << Describe(*edit);
    const model::ConfigRecord* record = model::FindConfig(image->config, edit->config, edit->host);
    ASSERT_NE(record, nullptr);
    if (edit->offset == offsetof(model::ConfigRecord, hotkey)) {
      EXPECT_FALSE(model::ConfigHotkeyConflict(*image, edit->host, static_cast<std::uint8_t>(edit->value)));
    } else {
      EXPECT_GE(edit->value, 1u) << Describe(*edit);
      EXPECT_LE(edit->value, 6000u) << Describe(*edit);
    }
    auto edited = std::make_unique<model::FlashImage>(*image);
    ASSERT_TRUE(Apply(*edited, *edit));
    EXPECT_TRUE(Holds(*edited, *edit));
    const auto before = model::BytesOf(*record);
    const auto after = model::BytesOf(*model::FindConfig(edited->config, edit->config, edit->host));
    for (std::size_t at = 0; at < before.size(); ++at) {
      if (at < edit->offset || at >= edit->offset + edit->size) {
        ASSERT_EQ(before[at], after[at]) << at;
      }
    }
    *image = *edited;
  }
}

TEST_F(ConfigEditsTest, AnEditOrACurveChangeFindsItsConfigurationByName) {
  const std::optional<FieldEdit> edit = PickEdit(*image, random);
  const std::optional<CurveChange> curves = PickCurves(*image, random);
  ASSERT_TRUE(edit && curves);
  auto other = std::make_unique<model::FlashImage>(*image);
  ASSERT_TRUE(model::DeleteConfig(*other, edit->host, edit->config));
  ASSERT_TRUE(model::DeleteConfig(*other, curves->host, curves->config) || curves->config == edit->config);
  EXPECT_FALSE(Apply(*other, *edit));
  EXPECT_FALSE(Holds(*other, *edit));
  EXPECT_FALSE(Apply(*other, *curves));

  ASSERT_TRUE(Apply(*image, *curves));
  EXPECT_TRUE(Holds(*image, *curves));
}

TEST_F(ConfigEditsTest, TheFirstDifferenceNamesItsBlockAndByte) {
  auto other = std::make_unique<model::FlashImage>(*image);
  EXPECT_EQ(FirstDifference(*other, *image), "");
  other->info.serial[0] ^= 1;  // outside the three regions
  EXPECT_EQ(FirstDifference(*other, *image), "");
  model::BytesOf(other->config)[100] ^= 1;
  model::BytesOf(other->response)[7] ^= 1;
  EXPECT_EQ(FirstDifference(*other, *image), "configuration block at byte 100");
  CopyRegions(*image, *other);
  EXPECT_EQ(FirstDifference(*other, *image), "");
}

}  // namespace
}  // namespace torvane::soak
