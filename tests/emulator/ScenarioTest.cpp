#include "emulator/Scenarios.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "model/HostType.h"
#include "model/RegionBytes.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/NameText.h"
#include "model/tables/PruneUnknownGames.h"

namespace torvane::emulator {
namespace {

using model::Version;

struct Built {
  AdapterState state;
  std::unique_ptr<model::FlashImage> image = model::MakeFlashImage();
};

Built Build(std::string_view name) {
  Built built;
  const Scenario* scenario = FindScenario(name);
  if (scenario == nullptr) {
    ADD_FAILURE() << "no scenario " << name;
    return built;
  }
  built.state = scenario->build();
  const FlashMemory& flash = built.state.flash;
  model::FlashImage& image = *built.image;
  flash.Read(model::kInfoBlockAddress, model::BytesOf(image.info));
  flash.Read(model::kBootBlockAddress, model::BytesOf(image.boot));
  flash.Read(model::kMacroBlockAddress, model::BytesOf(image.macro));
  flash.Read(model::kConfigBlockAddress, model::BytesOf(image.config));
  flash.Read(model::kResponseBlockAddress, model::BytesOf(image.response));
  return built;
}

// The byte the manager's read puts into the boot block's last byte.
std::uint8_t ByteAfterFirmware(const Built& built) {
  const std::uint64_t end = std::uint64_t{built.image->boot.firmware_address} + built.image->boot.firmware_length;
  const auto byte = built.state.flash.Read(static_cast<std::uint32_t>(end), 1);
  return byte.empty() ? 0 : byte[0];
}

struct Expectation {
  std::uint8_t mode;
  bool info_valid;
  Version hardware;
  Version boot_loader;
  Version firmware;
  bool firmware_complete;
  bool macro_valid, config_valid, response_valid;
  int configs;  // -1: not checked
};

constexpr Version kHardware{1, 8, 0}, kBootLoader{1, 30, 0}, kCurrent{4, 5, 118};

const std::map<std::string, Expectation, std::less<>> kExpected{
    {"working-mode-1", {1, true, kHardware, kBootLoader, kCurrent, true, true, true, true, 10}},
    {"working-mode-3", {3, true, kHardware, kBootLoader, kCurrent, true, true, true, true, 10}},
    {"working-mode-7", {7, true, kHardware, kBootLoader, kCurrent, true, true, true, true, 10}},
    {"factory-fresh", {1, true, kHardware, kBootLoader, kCurrent, true, true, true, true, 0}},
    {"lost-firmware", {1, true, kHardware, kBootLoader, kCurrent, false, true, true, true, 10}},
    {"lost-configuration", {1, true, kHardware, kBootLoader, kCurrent, true, true, false, true, -1}},
    {"old-firmware", {1, true, kHardware, kBootLoader, {4, 5, 110}, true, true, true, true, 10}},
    {"old-generation-upgradable", {1, true, {1, 7, 6}, {1, 22, 0}, {3, 2, 14}, true, false, false, false, -1}},
    {"old-generation", {1, true, {1, 7, 5}, {1, 22, 0}, {3, 2, 14}, true, false, false, false, -1}},
    {"damaged-hardware", {1, false, kHardware, kBootLoader, kCurrent, true, true, true, true, 10}},
    {"full-tables", {1, true, kHardware, kBootLoader, kCurrent, true, true, true, true, 16}},
    {"hostile-records", {1, true, kHardware, kBootLoader, kCurrent, true, true, true, true, 255}},
};

TEST(ScenarioTest, EveryScenarioHasAUniqueNameAndAOneLineDescription) {
  std::set<std::string_view> names;
  for (const Scenario& scenario : Scenarios()) {
    EXPECT_TRUE(names.insert(scenario.name).second) << scenario.name;
    EXPECT_FALSE(scenario.description.empty()) << scenario.name;
    EXPECT_EQ(scenario.description.find('\n'), std::string_view::npos) << scenario.name;
    EXPECT_TRUE(kExpected.contains(scenario.name)) << scenario.name << " has no expectations here";
  }
  EXPECT_NE(FindScenario(kDefaultScenario), nullptr);
  EXPECT_EQ(FindScenario("Working-Mode-1"), nullptr);
}

TEST(ScenarioTest, MarkersVersionsAndFirmwareEndAreAsNamed) {
  for (const auto& [name, expected] : kExpected) {
    SCOPED_TRACE(name);
    const Built built = Build(name);
    const model::FlashImage& image = *built.image;
    EXPECT_EQ(built.state.run_status[0], expected.mode);
    EXPECT_EQ(image.info.start, model::kStartMarker);
    EXPECT_EQ(model::IsValid(image.info), expected.info_valid);
    EXPECT_EQ(image.info.hardware_version, expected.hardware);
    EXPECT_EQ(image.info.boot_loader_version, expected.boot_loader);

    ASSERT_TRUE(model::IsValid(image.boot));
    EXPECT_EQ(image.boot.firmware_version, expected.firmware);
    EXPECT_EQ(image.boot.firmware_address.get(), model::kFirmwareAddress);
    EXPECT_EQ(image.boot.firmware_length.get(), 166'680u);
    EXPECT_EQ(model::ReadU32(image.boot.boot_parameters.data()), 1u);
    EXPECT_EQ(ByteAfterFirmware(built) == model::kEndMarker, expected.firmware_complete);
    // The firmware is there (not erased flash) as far as it was written.
    EXPECT_NE(built.state.flash.Read(model::kFirmwareAddress, 16), std::vector<std::uint8_t>(16, 0xFF));

    EXPECT_EQ(model::IsValid(image.macro), expected.macro_valid);
    EXPECT_EQ(model::IsValid(image.config), expected.config_valid);
    EXPECT_EQ(model::IsValid(image.response), expected.response_valid);
    if (expected.configs >= 0) {
      EXPECT_EQ(image.config.count, expected.configs);
    }
  }
}

TEST(ScenarioTest, OlderGenerationsLeaveTheirRegionsErased) {
  for (const char* name : {"old-generation-upgradable", "old-generation"}) {
    const Built built = Build(name);
    EXPECT_EQ(built.state.flash.Read(model::kMacroBlockAddress, model::kBlockSize),
              std::vector<std::uint8_t>(model::kBlockSize, 0xFF))
        << name;
  }
}

TEST(ScenarioTest, WorkingConfigurationsAreMadeAsTheManagerMakesThem) {
  const Built built = Build("working-mode-1");
  model::FlashImage& image = *built.image;
  const model::ConfigBlock& block = image.config;
  EXPECT_EQ(block.host, model::kHostPS4);
  EXPECT_TRUE(model::HasCurrentFormat(block));
  EXPECT_TRUE(model::HasCurrentFormat(image.macro));
  EXPECT_TRUE(model::HasCurrentFormat(image.response));

  std::map<int, std::set<std::uint32_t>> colors;
  std::map<int, std::set<std::uint8_t>> hotkeys;
  std::map<int, std::set<std::string>> names;
  for (std::size_t i = 0; i < block.count; ++i) {
    const model::ConfigRecord& record = block.records[i];
    const int host = record.host_type();
    SCOPED_TRACE(i);
    ASSERT_TRUE(model::IsKnownHost(host));
    EXPECT_TRUE(model::IsKnownGame(host, record.game_id));
    EXPECT_EQ(record.name.back(), '\0');
    EXPECT_TRUE(names[host].insert(std::string(model::ReadName(record.name))).second);
    EXPECT_NE(record.color.get(), 0u);
    EXPECT_TRUE(colors[host].insert(record.color.get()).second);
    EXPECT_NE(record.hotkey, 0);
    EXPECT_TRUE(hotkeys[host].insert(record.hotkey).second);
    EXPECT_EQ(record.is_startup(), model::StartupIndex(block, host) == static_cast<int>(i));
    if (const model::ResponseRecord* response = model::DefaultResponseRecord(record.curve_id)) {
      EXPECT_EQ(image.response.records[i].curve_id.get(), response->curve_id.get());
    }
  }
  for (int host = 0; host < model::kHostCount; ++host) {
    EXPECT_EQ(model::CountConfigs(block, host), 2) << host;
    EXPECT_GE(model::StartupIndex(block, host), 0) << host;
  }
  // Nothing in it is unknown to the catalogue, so the manager's clean-up keeps it all.
  EXPECT_FALSE(model::PruneUnknownGames(image, model::IsKnownGame));
}

TEST(ScenarioTest, WorkingMacrosBelongToTheFirstConfiguration) {
  const Built built = Build("working-mode-1");
  const model::FlashImage& image = *built.image;
  ASSERT_EQ(image.macro.count, 2);
  const model::ConfigRecord& owner = image.config.records[0];
  std::set<std::uint8_t> macro_keys;
  for (std::size_t i = 0; i < image.macro.count; ++i) {
    const model::MacroRecord& macro = image.macro.records[i];
    EXPECT_EQ(macro.host, owner.host_type());
    EXPECT_EQ(model::ReadName(macro.owner_name), model::ReadName(owner.name));
    EXPECT_GT(macro.step_count, 0);
    for (std::size_t s = 0; s < macro.used_steps(); ++s) EXPECT_GE(macro.steps[s].hold_time.get(), model::kMinHoldTime);
    EXPECT_NE(macro.macro_hotkey, 0);
    EXPECT_TRUE(macro_keys.insert(macro.macro_hotkey).second);
    EXPECT_FALSE(model::HotkeyUsedOnHost(image.config, macro.macro_hotkey, macro.host));
  }
}

TEST(ScenarioTest, FactoryFreshRegionsAreTheManagersDefaults) {
  const Built built = Build("factory-fresh");
  const auto defaults = model::MakeDefaultImages();
  model::ResetDefaultImages(*defaults);
  EXPECT_TRUE(std::ranges::equal(model::BytesOf(built.image->macro), model::BytesOf(defaults->macro)));
  EXPECT_TRUE(std::ranges::equal(model::BytesOf(built.image->config), model::BytesOf(defaults->config)));
  EXPECT_TRUE(std::ranges::equal(model::BytesOf(built.image->response), model::BytesOf(defaults->response)));
}

TEST(ScenarioTest, DamageIsConfinedToWhatTheNameSays) {
  const Built lost = Build("lost-configuration");
  EXPECT_EQ(lost.image->config.start, model::kStartMarker);
  EXPECT_EQ(lost.image->config.end, 0xFF);

  const Built old = Build("old-firmware");
  EXPECT_EQ(old.image->config.version, (Version{1, 0, 0}));
  EXPECT_TRUE(model::HasCurrentFormat(old.image->macro));
  EXPECT_TRUE(model::HasCurrentFormat(old.image->response));

  const Built damaged = Build("damaged-hardware");
  EXPECT_EQ(damaged.image->info.end, 0x00);
}

TEST(ScenarioTest, FullTablesFillBothTablesForEveryConsole) {
  const Built built = Build("full-tables");
  const model::FlashImage& image = *built.image;
  ASSERT_EQ(image.config.count, model::kMaxConfigs);
  ASSERT_EQ(image.macro.count, model::kMaxMacros);
  for (int host = 0; host < model::kHostCount; ++host) EXPECT_GT(model::CountConfigs(image.config, host), 0) << host;
  for (const model::MacroRecord& macro : image.macro.records) {
    EXPECT_GE(model::FindConfigIndex(image.config, model::ReadName(macro.owner_name), macro.host), 0);
  }
}

TEST(ScenarioTest, HostileRecordsCarryOutOfRangeValuesInsideValidRegions) {
  const Built built = Build("hostile-records");
  const model::FlashImage& image = *built.image;
  EXPECT_TRUE(model::HasCurrentFormat(image.config));
  EXPECT_EQ(image.config.count, 255);
  EXPECT_EQ(image.config.global_hotkey_count, 255);
  EXPECT_EQ(image.config.records[2].host_type(), 7);
  EXPECT_EQ(image.config.records[3].button_count, 255);
  EXPECT_EQ(std::count(image.config.records[1].name.begin(), image.config.records[1].name.end(), '\0'), 0);
  EXPECT_EQ(image.macro.count, 255);
  EXPECT_EQ(image.macro.records[0].step_count, 255);
  EXPECT_EQ(image.macro.records[1].steps[0].hold_time.get(), 0);
}

TEST(ScenarioTest, LoadingKeepsPlugStateAndFaultsAndRefusesUnknownNames) {
  VirtualAdapter adapter;
  adapter.Unplug();
  adapter.ArmFault({FaultKind::kNoAnswer});
  EXPECT_FALSE(LoadScenario(adapter, "no-such-adapter"));
  EXPECT_EQ(adapter.ReadFlash(model::kInfoBlockAddress, 1), std::vector<std::uint8_t>{0xFF});

  ASSERT_TRUE(LoadScenario(adapter, "working-mode-7"));
  EXPECT_EQ(adapter.run_status()[0], 7);
  EXPECT_EQ(adapter.ReadFlash(model::kInfoBlockAddress, 1), std::vector<std::uint8_t>{0x55});
  EXPECT_FALSE(adapter.IsPlugged());
  EXPECT_EQ(adapter.armed_faults(), 1u);
}

}  // namespace
}  // namespace torvane::emulator
