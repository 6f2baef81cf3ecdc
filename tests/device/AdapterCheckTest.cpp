#include "device/AdapterCheck.h"

#include <gtest/gtest.h>

#include "device/AdapterTexts.h"
#include "device/CompatibilityRules.h"

namespace torvane::device {
namespace {

// An image as a healthy adapter with current firmware would give.
class AdapterCheckTest : public ::testing::Test {
 protected:
  std::unique_ptr<model::FlashImage> image = model::MakeFlashImage();
  std::unique_ptr<model::DefaultImages> defaults = model::MakeDefaultImages();

  void SetUp() override {
    model::ResetDefaultImages(*defaults);
    model::RestoreDefaultRegions(*image, *defaults);
    image->info.start = model::kStartMarker;
    image->info.end = model::kEndMarker;
    image->boot.start = model::kStartMarker;
    image->boot.end = model::kEndMarker;
    image->boot.firmware_version = model::kManagerVersion;
    image->boot.firmware_address = model::kFirmwareAddress;
    image->boot.firmware_length = 166680;
  }

  CheckStep First(std::uint8_t mode) { return AdapterCheck(*image, mode).Next(); }
};

TEST_F(AdapterCheckTest, LostConfigurationWithValidBootOnlyAsksForTheConfigurationRestore) {
  image->response.end = 0;
  image->boot.firmware_version = {4, 5, 117};
  AdapterCheck check(*image, 1);
  CheckStep step = check.Next();
  EXPECT_EQ(step.action, CheckAction::kConfirmRestoreConfiguration);
  EXPECT_EQ(step.text, "Configuration lost! Please restore configuration.");
  // The restore rewrote the image; the firmware check looks at it as it now stands.
  image->response = defaults->response;
  check.Resume(true);
  step = check.Next();
  EXPECT_EQ(step.action, CheckAction::kConfirmUpgrade);
  EXPECT_EQ(step.text, "Need to upgrade firmware to use this manager!");
  image->boot.firmware_version = model::kManagerVersion;
  check.Resume(true);
  EXPECT_EQ(check.Next().action, CheckAction::kPruneAndShowHome);
}

TEST_F(AdapterCheckTest, LostConfigurationWithoutBootRunsTheFullRestoreAndStopsWhenDeclined) {
  image->macro.start = 0;
  image->boot.end = 0x00;
  AdapterCheck check(*image, 3);
  EXPECT_EQ(check.Next().action, CheckAction::kRestoreFirmwareAndConfiguration);
  check.Resume(false);
  const CheckStep step = check.Next();
  EXPECT_EQ(step.action, CheckAction::kStop);
  EXPECT_EQ(step.text, "");
}

TEST_F(AdapterCheckTest, OnlyExactlyTheCarriedFirmwarePasses) {
  for (model::Version version : {model::Version{4, 5, 117}, model::Version{4, 5, 119}, model::Version{5, 0, 0}}) {
    image->boot.firmware_version = version;
    const CheckStep step = First(1);
    EXPECT_EQ(step.action, CheckAction::kConfirmUpgrade);
    EXPECT_EQ(step.text, kNeedUpgradeText);
  }
}

TEST_F(AdapterCheckTest, MissingFirmwareEndByteMeansLostFirmware) {
  image->boot.end = 0xFF;  // the read put the byte after the firmware here
  CheckStep step = First(1);
  EXPECT_EQ(step.action, CheckAction::kConfirmUpgrade);
  EXPECT_EQ(step.text, "Firmware lost! Please restore firmware.");

  step = First(7);
  EXPECT_EQ(step.action, CheckAction::kStop);
  EXPECT_EQ(step.text, kLongRestoreText);
}

TEST_F(AdapterCheckTest, FirmwareEndingOutsideTheFirmwareAreaMeansLostFirmware) {
  struct Case {
    std::uint32_t address;
    std::uint32_t length;
  } const cases[] = {
      {model::kFirmwareAddress, 0x00100000},         // far past the end of the flash
      {model::kFirmwareAddress, kFirmwareAreaSize},  // the end byte one past the area
      {0xFFFF0000, 0x08030000},                      // a 32-bit sum would wrap into the area
      {0x08000000, 0x10},                            // ends below the area, in the boot loader
  };
  for (const Case& c : cases) {
    image->boot.firmware_address = c.address;
    image->boot.firmware_length = c.length;
    const CheckStep step = First(1);
    EXPECT_EQ(step.action, CheckAction::kConfirmUpgrade) << c.address << "+" << c.length;
    EXPECT_EQ(step.text, kFirmwareLostText) << c.address << "+" << c.length;
    // With the configuration lost too, the full restore repairs both, as for any lost firmware.
    image->config.end = 0;
    EXPECT_EQ(First(1).action, CheckAction::kRestoreFirmwareAndConfiguration);
    image->config.end = model::kEndMarker;
  }
  image->boot.firmware_address = model::kFirmwareAddress;
  image->boot.firmware_length = kFirmwareAreaSize - 1;  // the end byte is the area's last byte
  EXPECT_EQ(First(1).action, CheckAction::kPruneAndShowHome);
}

TEST(CompatibilityRulesTest, OldGenerationByBootLoaderAndHardwareVersion) {
  auto info_with = [](model::Version boot_loader, model::Version hardware) {
    model::InfoBlock info{};
    info.start = model::kStartMarker;
    info.end = model::kEndMarker;
    info.boot_loader_version = boot_loader;
    info.hardware_version = hardware;
    return info;
  };
  EXPECT_EQ(OldGenerationKind(info_with({1, 22, 0}, {1, 7, 6})), 1u);
  EXPECT_EQ(OldGenerationKind(info_with({1, 22, 0}, {1, 7, 5})), 2u);
  EXPECT_EQ(OldGenerationKind(info_with({1, 22, 0}, {1, 8, 0})), 2u);
  EXPECT_EQ(OldGenerationKind(info_with({1, 22, 1}, {1, 7, 6})), 0u);
  model::InfoBlock damaged = info_with({1, 22, 0}, {1, 7, 6});
  damaged.end = 0;
  EXPECT_EQ(OldGenerationKind(damaged), 0u) << "only a valid block can say it is old";
}

TEST(AdapterTextsTest, FilledTexts) {
  EXPECT_EQ(UpgradeQuestionText({4, 5, 117}),
            "Upgrade firmware from version 4.5.117 to 4.5.118. \nAre you sure to continue this procedure?");
  EXPECT_EQ(UpgradeQuestionText({255, 0, 9}),
            "Upgrade firmware from version 255.0.9 to 4.5.118. \nAre you sure to continue this procedure?");
}

}  // namespace
}  // namespace torvane::device
