#include "emulator/ScenarioBuilder.h"

#include <algorithm>
#include <random>
#include <string>

#include "model/HostType.h"
#include "model/RegionBytes.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"

namespace torvane::emulator {

namespace {

constexpr std::array<std::uint8_t, 12> kSerialNumber{0x31, 0x47, 0x0A, 0x5E, 0x90, 0x12,
                                                     0x00, 0x7C, 0x38, 0xD4, 0x05, 0xB1};
constexpr std::uint32_t kBootParameter = 1;

// Stands in for the adapter's own firmware: fixed, and unlike erased flash.
std::vector<std::uint8_t> FirmwareBytes(std::uint32_t length) {
  std::mt19937 generator(0x54564E46u);
  std::vector<std::uint8_t> bytes(length);
  std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<std::uint8_t>(generator() >> 24); });
  return bytes;
}

// The game's title, made unique among the console's configurations.
std::string ConfigName(const model::ConfigBlock& block, const model::ConfigRecord& record, int host) {
  const std::string title(model::GameTitle(record.game_id));
  std::string base = title;
  if (base.empty()) base.append("Game ").append(std::to_string(record.game_id));
  std::string name(model::CutName(base, model::kNewConfigNameChars, model::kConfigNameSize - 1));
  for (int n = 2; model::FindConfigIndex(block, name, host) >= 0; ++n) {
    std::string suffix(" ");
    suffix.append(std::to_string(n));
    name = model::CutName(base, model::kNewConfigNameChars - suffix.size(), model::kConfigNameSize - 1 - suffix.size());
    name.append(suffix);
  }
  return name;
}

}  // namespace

ScenarioBuilder::ScenarioBuilder() : image_(model::MakeFlashImage()) {
  model::PrepareCatalogue();
}

ScenarioBuilder& ScenarioBuilder::WorkingMode(std::uint8_t mode) {
  run_status_[0] = mode;
  return *this;
}

ScenarioBuilder& ScenarioBuilder::Info(model::Version hardware, model::Version boot_loader) {
  model::InfoBlock& info = image_->info;
  info = {};
  info.start = model::kStartMarker;
  info.serial = kSerialNumber;
  info.hardware_version = hardware;
  info.boot_loader_version = boot_loader;
  info.end = model::kEndMarker;
  has_info_ = true;
  return *this;
}

ScenarioBuilder& ScenarioBuilder::Firmware(model::Version version, std::uint32_t written) {
  model::BootBlock& boot = image_->boot;
  auto bytes = model::BytesOf(boot);
  std::fill(bytes.begin(), bytes.end(), std::uint8_t{0});
  boot.start = model::kStartMarker;
  boot.firmware_version = version;
  boot.firmware_address = model::kFirmwareAddress;
  boot.firmware_length = kScenarioFirmwareLength;
  model::WriteU32(boot.boot_parameters.data(), kBootParameter);
  boot.end = model::kEndMarker;
  has_boot_ = true;

  firmware_ = FirmwareBytes(kScenarioFirmwareLength);
  if (written < kScenarioFirmwareLength) {
    firmware_.resize(written);
  } else {
    firmware_.push_back(model::kEndMarker);
  }
  return *this;
}

ScenarioBuilder& ScenarioBuilder::DefaultRegions() {
  const auto defaults = model::MakeDefaultImages();
  model::ResetDefaultImages(*defaults);
  model::RestoreDefaultRegions(*image_, *defaults);
  has_regions_ = true;
  return *this;
}

std::size_t ScenarioBuilder::CatalogueConfigs(std::size_t per_host) {
  if (!has_regions_) DefaultRegions();
  model::ConfigBlock& block = image_->config;
  std::size_t added = 0;
  for (std::size_t round = 0; round < per_host; ++round) {
    for (int host = 0; host < model::kHostCount; ++host) {
      const auto catalogue = model::Catalogue(host);
      if (round >= catalogue.size()) continue;
      model::ConfigRecord record = catalogue[round];
      record.set_host_type(host);
      record.set_startup(round == 0);
      model::StoreName(record.name, ConfigName(block, record, host), model::kNewConfigNameChars);
      record.hotkey = model::PickFreeHotkey(block, record);
      record.color = model::PickFreeColor(block, host);
      if (record.color.get() == 0) continue;
      if (!model::AddConfig(*image_, record, model::DefaultResponseRecord(record.curve_id))) return added;
      ++added;
    }
  }
  return added;
}

bool ScenarioBuilder::Macro(std::size_t owner_slot, std::string_view name, std::uint8_t trigger_mode,
                            std::initializer_list<std::uint8_t> hotkeys, std::initializer_list<ScenarioStep> steps) {
  const model::ConfigBlock& block = image_->config;
  if (owner_slot >= std::min<std::size_t>(block.count, model::kMaxConfigs)) return false;
  const model::ConfigRecord& owner = block.records[owner_slot];
  const int host = owner.host_type();

  model::MacroRecord macro{};
  macro.host = static_cast<std::uint8_t>(host);
  model::StoreName(macro.macro_name, name, model::kMacroNameChars);
  model::StoreName(macro.owner_name, model::ReadName(owner.name), model::kNewConfigNameChars);
  macro.trigger_mode = trigger_mode;
  const auto free_key = std::find_if(hotkeys.begin(), hotkeys.end(), [&](std::uint8_t code) {
    return !model::KeyUsedOnHost(*image_, host, code) && !model::HotkeyUsedOnHost(block, code, host);
  });
  macro.macro_hotkey = free_key == hotkeys.end() ? 0 : *free_key;
  for (const ScenarioStep& step : steps) {
    if (macro.step_count == model::kMacroSteps) break;
    model::MacroStep& target = macro.steps[macro.step_count++];
    target.buttons = step.buttons;
    target.hold_time = std::max(step.hold_ms, model::kMinHoldTime);
  }
  return model::AddMacro(image_->macro, macro);
}

AdapterState ScenarioBuilder::Build() const {
  AdapterState state;
  state.run_status = run_status_;
  if (has_info_) state.flash.Load(model::kInfoBlockAddress, model::BytesOf(image_->info));
  if (has_boot_) state.flash.Load(model::kBootBlockAddress, model::BytesOf(image_->boot));
  if (has_regions_) {
    state.flash.Load(model::kMacroBlockAddress, model::BytesOf(image_->macro));
    state.flash.Load(model::kConfigBlockAddress, model::BytesOf(image_->config));
    state.flash.Load(model::kResponseBlockAddress, model::BytesOf(image_->response));
  }
  if (!firmware_.empty()) state.flash.Load(model::kFirmwareAddress, firmware_);
  return state;
}

}  // namespace torvane::emulator
