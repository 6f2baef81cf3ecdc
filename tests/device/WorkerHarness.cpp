#include "WorkerHarness.h"

#include "model/RegionBytes.h"

namespace torvane::device::testing {

std::vector<std::uint8_t> LoadHealthyAdapter(emulator::VirtualAdapter& adapter, const model::DefaultImages& defaults) {
  auto image = model::MakeFlashImage();
  image->info.start = model::kStartMarker;
  for (std::uint8_t i = 0; i < 12; ++i) image->info.serial[i] = static_cast<std::uint8_t>(0xA0 + i);
  image->info.hardware_version = {2, 0, 1};
  image->info.boot_loader_version = {2, 3, 0};
  image->info.end = model::kEndMarker;

  image->boot.start = model::kStartMarker;
  image->boot.firmware_version = model::kManagerVersion;
  image->boot.firmware_address = model::kFirmwareAddress;
  image->boot.firmware_length = kFirmwareLength;
  image->boot.boot_parameters = {1, 0, 0, 0, 9, 9};
  image->boot.end = model::kEndMarker;

  model::RestoreDefaultRegions(*image, defaults);
  image->config.count = 1;
  image->config.records[0].name = {'R', 'a', 'c', 'e'};
  image->macro.count = 2;
  for (std::size_t i = 0; i < image->response.records[0].data.size(); ++i) {
    image->response.records[0].data[i] = static_cast<std::uint8_t>(i);
  }

  std::vector<std::uint8_t> firmware(kFirmwareLength);
  for (std::size_t i = 0; i < firmware.size(); ++i) firmware[i] = static_cast<std::uint8_t>(i * 13 + 1);
  std::vector<std::uint8_t> firmware_with_end = firmware;
  firmware_with_end.push_back(model::kEndMarker);

  using model::BytesOf;
  adapter.LoadFlash(model::kInfoBlockAddress, BytesOf(image->info));
  adapter.LoadFlash(model::kBootBlockAddress, BytesOf(image->boot));
  adapter.LoadFlash(model::kMacroBlockAddress, BytesOf(image->macro));
  adapter.LoadFlash(model::kConfigBlockAddress, BytesOf(image->config));
  adapter.LoadFlash(model::kResponseBlockAddress, BytesOf(image->response));
  adapter.LoadFlash(model::kFirmwareAddress, firmware_with_end);
  return firmware;
}

}  // namespace torvane::device::testing
