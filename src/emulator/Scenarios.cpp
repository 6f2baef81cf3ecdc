#include "emulator/Scenarios.h"

#include <algorithm>
#include <array>
#include <string>

#include "emulator/ScenarioBuilder.h"

namespace torvane::emulator {

namespace {

constexpr model::Version kHardware{1, 8, 0};
constexpr model::Version kBootLoader{1, 30, 0};
constexpr model::Version kOldGenerationBootLoader{1, 22, 0};
constexpr model::Version kUpgradableHardware{1, 7, 6};
constexpr model::Version kOtherOldHardware{1, 7, 5};
constexpr model::Version kOldFirmware{4, 5, 110};
constexpr model::Version kOldGenerationFirmware{3, 2, 14};
constexpr model::Version kOldConfigFormat{1, 0, 0};

// Key codes (keyboard usage ids) offered as macro hotkeys.
constexpr std::uint8_t kKeyT = 0x17, kKeyG = 0x0A, kKeyX = 0x1B, kKeyF = 0x09, kKeyV = 0x19;
constexpr std::uint8_t kOnce = 0, kToggle = 2;

// Macros belong to the first configuration, the PS4 start-up one.
void AddDemoMacros(ScenarioBuilder& builder) {
  builder.Macro(0, "Quick Scope", kOnce, {kKeyT, kKeyG, kKeyX},
                {{{7, 0, 0, 0, 0}, 60}, {{7, 8, 0, 0, 0}, 40}, {{0, 0, 0, 0, 0}, 30}});
  builder.Macro(0, "Rapid Fire", kToggle, {kKeyF, kKeyV}, {{{8, 0, 0, 0, 0}, 30}, {{0, 0, 0, 0, 0}, 30}});
}

ScenarioBuilder Working(std::uint8_t mode) {
  ScenarioBuilder builder;
  builder.WorkingMode(mode).Info(kHardware, kBootLoader).Firmware(model::kManagerVersion);
  builder.CatalogueConfigs(2);
  AddDemoMacros(builder);
  return builder;
}

AdapterState WorkingMode1() {
  return Working(1).Build();
}
AdapterState WorkingMode3() {
  return Working(3).Build();
}
AdapterState WorkingMode7() {
  return Working(7).Build();
}

AdapterState FactoryFresh() {
  ScenarioBuilder builder;
  builder.Info(kHardware, kBootLoader).Firmware(model::kManagerVersion).DefaultRegions();
  return builder.Build();
}

AdapterState LostFirmware() {
  ScenarioBuilder builder = Working(1);
  // The upgrade wrote the new boot block, then stopped part-way through the firmware.
  builder.Firmware(model::kManagerVersion, 100'000);
  return builder.Build();
}

AdapterState LostConfiguration() {
  AdapterState state = Working(1).Build();
  // A save stopped part-way through the configuration block: its tail is still erased.
  constexpr std::uint32_t kWritten = 8000;
  state.flash.Fill(model::kConfigBlockAddress + kWritten, model::kBlockSize - kWritten, kErasedByte);
  return state;
}

AdapterState OldFirmware() {
  ScenarioBuilder builder = Working(1);
  builder.Firmware(kOldFirmware);
  builder.image().config.version = kOldConfigFormat;
  return builder.Build();
}

AdapterState OldGeneration(model::Version hardware) {
  ScenarioBuilder builder;
  builder.Info(hardware, kOldGenerationBootLoader).Firmware(kOldGenerationFirmware);
  return builder.Build();
}

AdapterState OldGenerationUpgradable() {
  return OldGeneration(kUpgradableHardware);
}
AdapterState OldGenerationOther() {
  return OldGeneration(kOtherOldHardware);
}

AdapterState DamagedHardware() {
  ScenarioBuilder builder = Working(1);
  builder.image().info.end = 0x00;
  return builder.Build();
}

AdapterState FullTables() {
  ScenarioBuilder builder;
  builder.Info(kHardware, kBootLoader).Firmware(model::kManagerVersion);
  const std::size_t configs = builder.CatalogueConfigs(model::kMaxConfigs);
  for (std::size_t i = 0; configs > 0 && i < model::kMaxMacros; ++i) {
    builder.Macro(i % configs, "Macro " + std::to_string(i + 1), static_cast<std::uint8_t>(i % 3), {},
                  {{{static_cast<std::uint8_t>(1 + i % 20), 0, 0, 0, 0}, 50}});
  }
  return builder.Build();
}

// Everything a reader must clamp or refuse, inside regions whose markers and
// formats pass every check.
AdapterState HostileRecords() {
  ScenarioBuilder builder = Working(1);
  model::FlashImage& image = builder.image();
  model::ConfigBlock& config = image.config;
  config.count = 255;
  config.global_hotkey_count = 255;
  config.records[1].name.fill('A');
  config.records[2].set_host_type(7);
  config.records[3].button_count = 255;
  config.records[4].curve_id = 0xFFFF;
  image.response.records[5].curve_id = 0xFFFF;

  model::MacroBlock& macro = image.macro;
  macro.count = 255;
  macro.records[0].step_count = 255;
  macro.records[0].host = 9;
  macro.records[0].trigger_mode = 200;
  macro.records[1].steps[0].hold_time = 0;
  macro.records[1].macro_name.fill('M');
  macro.records[1].owner_name.fill('O');
  return builder.Build();
}

constexpr std::array kScenarios{
    Scenario{"working-mode-1",
             "Firmware 4.5.118 in working mode 1; two catalogue configurations per console, two macros", WorkingMode1},
    Scenario{"working-mode-3",
             "As working-mode-1 in working mode 3: the upgrade button restores firmware and configuration",
             WorkingMode3},
    Scenario{"working-mode-7", "As working-mode-1 in working mode 7: keys can be captured from the adapter",
             WorkingMode7},
    Scenario{"factory-fresh", "Firmware 4.5.118 with the default regions: no configurations, no macros", FactoryFresh},
    Scenario{"lost-firmware", "An upgrade stopped part-way: the byte after the firmware is not 0xAA", LostFirmware},
    Scenario{"lost-configuration", "A save stopped part-way: the configuration block has lost its end marker",
             LostConfiguration},
    Scenario{"old-firmware", "Firmware 4.5.110 with a configuration block in the older format 1.0.0", OldFirmware},
    Scenario{"old-generation-upgradable",
             "Older generation (boot loader 1.22.0, hardware 1.7.6): can be upgraded with the separate tool",
             OldGenerationUpgradable},
    Scenario{"old-generation", "Older generation (boot loader 1.22.0, hardware 1.7.5): needs an older manager",
             OldGenerationOther},
    Scenario{"damaged-hardware", "The information block ends with 0x00 instead of 0xAA", DamagedHardware},
    Scenario{"full-tables", "16 configurations and 30 macros: both tables full", FullTables},
    Scenario{"hostile-records",
             "Valid markers and formats around out-of-range counts, host types, step counts, hold times and names",
             HostileRecords},
};

}  // namespace

std::span<const Scenario> Scenarios() {
  return kScenarios;
}

const Scenario* FindScenario(std::string_view name) {
  const auto it = std::find_if(kScenarios.begin(), kScenarios.end(), [&](const Scenario& s) { return s.name == name; });
  return it == kScenarios.end() ? nullptr : &*it;
}

bool LoadScenario(VirtualAdapter& adapter, std::string_view name) {
  const Scenario* scenario = FindScenario(name);
  if (scenario == nullptr) return false;
  adapter.LoadState(scenario->build());
  return true;
}

}  // namespace torvane::emulator
