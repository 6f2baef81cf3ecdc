#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

#include "emulator/AdapterState.h"
#include "model/FlashImage.h"
#include "model/Version.h"

namespace torvane::emulator {

// The firmware a scenario's adapter carries: as long as the manager's image.
inline constexpr std::uint32_t kScenarioFirmwareLength = 166'680;

// One step of a scenario macro: up to five button slots and a hold time.
struct ScenarioStep {
  std::array<std::uint8_t, 5> buttons;
  std::uint16_t hold_ms;
};

// Stages an adapter's flash the way the adapter and the manager would have
// left it. Regions never set stay erased.
class ScenarioBuilder {
 public:
  ScenarioBuilder();

  ScenarioBuilder& WorkingMode(std::uint8_t mode);
  // Information block with markers, serial number and the two versions.
  ScenarioBuilder& Info(model::Version hardware, model::Version boot_loader);
  // Boot block for `version` at 0x08020000 and the firmware itself. Only the
  // first `written` bytes of the firmware are programmed (an interrupted
  // upgrade); the 0xAA after it only when all were.
  ScenarioBuilder& Firmware(model::Version version, std::uint32_t written = kScenarioFirmwareLength);
  // The manager's default macro, configuration and response blocks.
  ScenarioBuilder& DefaultRegions();
  // Up to `per_host` catalogue configurations for every console, taken round
  // by round so each console gets its share until the table is full; each gets
  // a colour and a hotkey as the manager picks them, and the first of each
  // console is its start-up configuration. Returns how many were added.
  std::size_t CatalogueConfigs(std::size_t per_host);
  // A macro of the configuration in `owner_slot`, with the first key from
  // `hotkeys` that its console does not use yet (none when all are taken).
  bool Macro(std::size_t owner_slot, std::string_view name, std::uint8_t trigger_mode,
             std::initializer_list<std::uint8_t> hotkeys, std::initializer_list<ScenarioStep> steps);

  // Direct access for deliberate damage.
  model::FlashImage& image() { return *image_; }

  AdapterState Build() const;

 private:
  std::unique_ptr<model::FlashImage> image_;
  std::vector<std::uint8_t> firmware_;  // the bytes programmed from 0x08020000
  RunStatusBytes run_status_{kDefaultWorkingMode, 0, 0, 0};
  bool has_info_ = false;
  bool has_boot_ = false;
  bool has_regions_ = false;
};

}  // namespace torvane::emulator
