// Imports a macro file's bytes for a configuration of a player's image (the
// input's last byte picks which), once as they come and once with a matching digest.

#include <cstring>
#include <vector>

#include "Require.h"
#include "SampleImage.h"
#include "model/HostType.h"
#include "model/exchange/DigestField.h"
#include "model/exchange/MacroExchange.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"

namespace {

using namespace torvane;

void Import(const model::FlashImage& sample, std::span<const std::uint8_t> file, std::uint8_t choice) {
  // Work images kept from input to input: a fresh one each time would cost more than the import.
  static const auto image = model::MakeFlashImage();
  static const auto before = model::MakeFlashImage();
  *image = sample;
  const model::ConfigRecord& owner = image->config.records[(choice >> 1) % model::UsedConfigCount(sample.config)];
  image->config.host = static_cast<std::uint8_t>(owner.host_type());
  *before = *image;
  const bool confirm = (choice & 1) != 0;
  const model::ExchangeResult result =
      model::ImportMacroFile(*image, owner, file, [confirm](std::uint8_t) { return confirm; });
  if (result != model::ExchangeResult::kOk) {
    fuzz::Require(std::memcmp(image.get(), before.get(), sizeof(model::FlashImage)) == 0,
                  "a refused import changed the image");
    return;
  }
  fuzz::Require(model::UsedMacroCount(image->macro) == model::UsedMacroCount(before->macro) + 1,
                "an import added other than one macro");
  fuzz::Require(std::memcmp(&image->config, &before->config, sizeof image->config) == 0,
                "a macro import changed the configurations");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto sample = fuzz::SampleImage();
  const std::span<const std::uint8_t> input(data, size);
  const std::uint8_t choice = size > 0 ? data[size - 1] : 0;
  Import(*sample, input, choice);
  std::vector<std::uint8_t> stamped(input.begin(), input.end());
  if (model::StampDigest(stamped, offsetof(model::MacroFile, digest))) Import(*sample, stamped, choice);
  return 0;
}
