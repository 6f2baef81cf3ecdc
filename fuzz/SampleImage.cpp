#include "SampleImage.h"

#include <algorithm>
#include <string_view>

#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"

namespace torvane::fuzz {

namespace {

constexpr std::size_t kConfigsPerHost = 2;

model::MacroRecord MacroOf(const model::ConfigRecord& owner, int host) {
  model::MacroRecord macro{};
  macro.host = static_cast<std::uint8_t>(host);
  model::StoreName(macro.macro_name, "Combo", model::kMacroNameChars);
  const std::string_view owner_name = model::ReadName(owner.name);
  std::copy_n(owner_name.begin(), std::min(owner_name.size(), macro.owner_name.size() - 1), macro.owner_name.begin());
  macro.trigger_mode = 1;
  macro.macro_hotkey = 0x1E;  // "1"
  macro.step_count = 2;
  macro.steps[0].buttons = {1, 2, 0, 0, 0};
  macro.steps[0].hold_time = 40;
  macro.steps[1].buttons = {3, 0, 0, 0, 0};
  macro.steps[1].hold_time = model::kMinHoldTime;
  return macro;
}

}  // namespace

std::unique_ptr<model::FlashImage> SampleImage() {
  auto image = model::MakeFlashImage();
  auto defaults = model::MakeDefaultImages();
  model::ResetDefaultImages(*defaults);
  model::RestoreDefaultRegions(*image, *defaults);
  image->info.start = model::kStartMarker;
  image->info.end = model::kEndMarker;
  image->info.hardware_version = {1, 8, 0};
  image->info.boot_loader_version = {1, 30, 0};
  image->boot.start = model::kStartMarker;
  image->boot.end = model::kEndMarker;
  image->boot.firmware_version = model::kManagerVersion;
  image->boot.firmware_address = model::kFirmwareAddress;
  image->boot.firmware_length = 100000;
  for (int host = 0; host < model::kHostCount; ++host) {
    const auto catalogue = model::Catalogue(host);
    for (std::size_t i = 0; i < std::min(kConfigsPerHost, catalogue.size()); ++i) {
      model::ConfigRecord record = catalogue[i];
      record.hotkey = model::PickFreeHotkey(image->config, record);
      record.color = model::PickFreeColor(image->config, host);
      model::AddConfig(*image, record, model::DefaultResponseRecord(record.curve_id));
      model::AddMacro(image->macro, MacroOf(record, host));
    }
  }
  image->config.host = static_cast<std::uint8_t>(model::kHostPS4);
  return image;
}

std::unique_ptr<model::FlashImage> CopyImage(const model::FlashImage& image) {
  auto copy = model::MakeFlashImage();
  *copy = image;
  return copy;
}

}  // namespace torvane::fuzz
