#include "device/FlashPlans.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/RegionBytes.h"

namespace torvane::device {
namespace {

using model::BytesOf;

std::vector<std::uint8_t> Sectors(const WritePlan& plan) {
  return {plan.sectors().begin(), plan.sectors().end()};
}

std::vector<std::uint32_t> Addresses(const WritePlan& plan) {
  std::vector<std::uint32_t> addresses;
  for (const PlanEntry& entry : plan.entries()) addresses.push_back(entry.address);
  return addresses;
}

const model::BootBlock& PlannedBoot(const WritePlan& plan) {
  return *reinterpret_cast<const model::BootBlock*>(plan.EntryBytes(plan.entries()[0]).data());
}

class FlashPlansTest : public ::testing::Test {
 protected:
  std::unique_ptr<model::FlashImage> image = model::MakeFlashImage();
  std::unique_ptr<model::DefaultImages> defaults = model::MakeDefaultImages();
  std::vector<std::uint8_t> firmware = std::vector<std::uint8_t>(166680);
  WritePlan plan;

  // An adapter with current formats, some user data and old firmware.
  void SetUp() override {
    model::ResetDefaultImages(*defaults);
    model::RestoreDefaultRegions(*image, *defaults);
    image->config.count = 2;
    image->macro.count = 1;
    image->response.records[0].curve_id = 0x1234;
    image->boot.start = model::kStartMarker;
    image->boot.firmware_version = {4, 5, 100};
    image->boot.firmware_address = 0x08020000;
    image->boot.firmware_length = 1000;
    for (std::uint8_t i = 0; i < 32; ++i) image->boot.boot_parameters[i] = static_cast<std::uint8_t>(i + 1);
    image->boot.boot_parameters[3] = 4;
    image->boot.reserved_44[0] = 0x77;
    image->boot.end = model::kEndMarker;
    for (std::size_t i = 0; i < firmware.size(); ++i) firmware[i] = static_cast<std::uint8_t>(i % 251);
  }
};

TEST_F(FlashPlansTest, UpgradeOfCurrentFormatsWritesBootAndFirmwareOnly) {
  ASSERT_TRUE(BuildUpgradePlan(*image, *defaults, firmware, plan));
  EXPECT_EQ(Sectors(plan), (std::vector<std::uint8_t>{1, 5, 6}));
  EXPECT_EQ(Addresses(plan), (std::vector<std::uint32_t>{0x08004000, 0x08020000}));
  EXPECT_EQ(plan.total(), 16384u + 166681u);

  const std::span<const std::uint8_t> written = plan.EntryBytes(plan.entries()[1]);
  ASSERT_EQ(written.size(), 166681u);
  EXPECT_TRUE(std::equal(firmware.begin(), firmware.end(), written.begin()));
  EXPECT_EQ(written.back(), 0xAA);

  const model::BootBlock& boot = PlannedBoot(plan);
  EXPECT_EQ(boot.start, 0x55);
  EXPECT_EQ(boot.end, 0xAA);
  EXPECT_EQ(boot.firmware_version, model::kManagerVersion);
  EXPECT_EQ(boot.firmware_address, 0x08020000u);
  EXPECT_EQ(boot.firmware_length, 166680u);
  EXPECT_EQ(boot.boot_parameters, image->boot.boot_parameters) << "fourth byte 4: carried over unchanged";
  EXPECT_EQ(boot.boot_parameters[0], 1);
  EXPECT_EQ(boot.reserved_44[0], 0) << "the rest of the boot block is cleared";

  EXPECT_EQ(image->boot.firmware_version, model::kManagerVersion) << "memory takes the new boot block";
  EXPECT_EQ(image->config.count, 2) << "current formats are kept";
  EXPECT_EQ(image->macro.count, 1);
  EXPECT_EQ(image->response.records[0].curve_id, 0x1234);
}

TEST_F(FlashPlansTest, UpgradeReplacesBlocksOfAnOldFormatAndResetsHighBootParameters) {
  image->config.version = {1, 0, 0};
  image->boot.boot_parameters[3] = 5;
  ASSERT_TRUE(BuildUpgradePlan(*image, *defaults, firmware, plan));
  EXPECT_EQ(Sectors(plan), (std::vector<std::uint8_t>{1, 3, 5, 6}));
  EXPECT_EQ(Addresses(plan), (std::vector<std::uint32_t>{0x08004000, 0x0800C000, 0x08020000}));
  EXPECT_EQ(image->config.count, 0) << "the user's configurations give way to the defaults";
  EXPECT_EQ(image->config.version, model::kConfigFormatVersion);
  EXPECT_EQ(image->macro.count, 1);
  const auto& parameters = PlannedBoot(plan).boot_parameters;
  EXPECT_EQ(parameters[0], 1);
  EXPECT_EQ(parameters[1], 0);
  EXPECT_EQ(parameters[2], 0);
  EXPECT_EQ(parameters[3], 0);
  EXPECT_EQ(parameters[4], 5) << "only the first four are reset";

  image->macro.version = {1, 9, 0};
  image->response.version = {0, 0, 0};
  ASSERT_TRUE(BuildUpgradePlan(*image, *defaults, firmware, plan));
  EXPECT_EQ(Sectors(plan), (std::vector<std::uint8_t>{1, 2, 4, 5, 6}));
  EXPECT_EQ(plan.total(), 16384u * 2 + 65536u + 166681u);
}

TEST_F(FlashPlansTest, WithoutAFirmwareImageNothingChanges) {
  const auto before = image->boot;
  plan.AddSector(9);
  EXPECT_FALSE(BuildUpgradePlan(*image, *defaults, {}, plan));
  EXPECT_FALSE(BuildFirmwareRestorePlan(*image, *defaults, {}, plan));
  EXPECT_TRUE(plan.empty());
  EXPECT_EQ(plan.sector_count(), 0u);
  EXPECT_EQ(image->boot.firmware_version, before.firmware_version);
  EXPECT_EQ(image->config.count, 2);

  const std::vector<std::uint8_t> oversized(kPlanCapacity, 0);
  EXPECT_FALSE(BuildFirmwareRestorePlan(*image, *defaults, oversized, plan));
  EXPECT_EQ(image->config.count, 2) << "a plan that cannot be built leaves memory alone";
}

TEST_F(FlashPlansTest, FirmwareRestoreWritesEverythingFresh) {
  ASSERT_TRUE(BuildFirmwareRestorePlan(*image, *defaults, firmware, plan));
  EXPECT_EQ(Sectors(plan), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Addresses(plan), (std::vector<std::uint32_t>{0x08004000, 0x08008000, 0x0800C000, 0x08010000, 0x08020000}));
  EXPECT_EQ(plan.total(), 3 * 16384u + 65536u + 166681u);
  const model::BootBlock& boot = PlannedBoot(plan);
  EXPECT_EQ(boot.firmware_length, 166680u);
  EXPECT_EQ(boot.boot_parameters[0], 1);
  EXPECT_EQ(boot.boot_parameters[4], 0);
  EXPECT_EQ(image->config.count, 0);
  EXPECT_EQ(image->macro.count, 0);
  EXPECT_EQ(image->response.records[0].curve_id, 0);
  const auto config_bytes = plan.EntryBytes(plan.entries()[2]);
  EXPECT_TRUE(std::equal(config_bytes.begin(), config_bytes.end(), BytesOf(defaults->config).begin()));
}

TEST_F(FlashPlansTest, ConfigurationRestoreKeepsTheFirmwareFields) {
  image->boot.start = 0;
  ASSERT_TRUE(BuildConfigurationRestorePlan(*image, *defaults, plan));
  EXPECT_EQ(Sectors(plan), (std::vector<std::uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(Addresses(plan), (std::vector<std::uint32_t>{0x08004000, 0x08008000, 0x0800C000, 0x08010000}));
  const model::BootBlock& boot = PlannedBoot(plan);
  EXPECT_EQ(boot.start, 0x55);
  EXPECT_EQ(boot.end, 0xAA);
  EXPECT_EQ(boot.firmware_version, (model::Version{4, 5, 100}));
  EXPECT_EQ(boot.firmware_address, 0x08020000u);
  EXPECT_EQ(boot.firmware_length, 1000u);
  EXPECT_EQ(boot.boot_parameters[0], 1);
  EXPECT_EQ(boot.boot_parameters[3], 0);
  EXPECT_EQ(boot.boot_parameters[4], 5);
  EXPECT_EQ(boot.reserved_44[0], 0x77);
  EXPECT_EQ(image->boot.start, 0x55);
  EXPECT_EQ(image->config.count, 0);
}

TEST_F(FlashPlansTest, SavePlanCopiesTheDirtyRegionsInSaveOrder) {
  const model::SaveJob job = model::BuildSaveJob(*image, model::kUnsavedResponse | model::kUnsavedMacro);
  ASSERT_TRUE(BuildSavePlan(job, plan));
  EXPECT_EQ(Sectors(plan), (std::vector<std::uint8_t>{2, 4}));
  EXPECT_EQ(Addresses(plan), (std::vector<std::uint32_t>{0x08008000, 0x08010000}));
  EXPECT_EQ(plan.total(), 16384u + 65536u);
  image->macro.count = 9;  // later edits do not reach a plan already handed over
  EXPECT_EQ(plan.EntryBytes(plan.entries()[0])[4], 1);

  ASSERT_TRUE(BuildSavePlan(model::BuildSaveJob(*image, 0), plan));
  EXPECT_TRUE(plan.empty());
}

}  // namespace
}  // namespace torvane::device
