#include "soak/AdapterRegions.h"

#include <algorithm>
#include <span>

#include "device/FlashProtocol.h"
#include "device/SocketTransport.h"
#include "model/RegionBytes.h"

namespace torvane::soak {

namespace {

template <typename Block>
std::string Compare(const char* name, const Block& found, const Block& expected) {
  const auto a = model::BytesOf(found);
  const auto b = model::BytesOf(expected);
  const auto at = std::mismatch(a.begin(), a.end(), b.begin()).first;
  if (at == a.end()) return {};
  return std::string(name) + " block at byte " + std::to_string(at - a.begin());
}

}  // namespace

std::unique_ptr<model::FlashImage> ReadAdapterRegions(const std::string& socket, std::string* error) {
  device::SocketTransport transport(socket);
  if (const int opened = transport.Open(socket); opened != 0) {
    *error = "cannot connect (" + std::to_string(opened) + ")";
    return nullptr;
  }
  device::FlashProtocol protocol(transport);
  auto image = model::MakeFlashImage();
  const struct {
    std::span<std::uint8_t> bytes;
    std::uint32_t address;
  } regions[] = {
      {model::BytesOf(image->info), model::kInfoBlockAddress},
      {model::BytesOf(image->macro), model::kMacroBlockAddress},
      {model::BytesOf(image->config), model::kConfigBlockAddress},
      {model::BytesOf(image->response), model::kResponseBlockAddress},
  };
  for (const auto& region : regions) {
    if (protocol.ReadFlash(region.bytes, region.address) != 0) {
      *error = protocol.last_error();
      return nullptr;
    }
  }
  return image;
}

std::string FirstDifference(const model::FlashImage& found, const model::FlashImage& expected) {
  for (std::string difference :
       {Compare("macro", found.macro, expected.macro), Compare("configuration", found.config, expected.config),
        Compare("response", found.response, expected.response)}) {
    if (!difference.empty()) return difference;
  }
  return {};
}

void CopyRegions(const model::FlashImage& from, model::FlashImage& to) {
  to.macro = from.macro;
  to.config = from.config;
  to.response = from.response;
}

}  // namespace torvane::soak
