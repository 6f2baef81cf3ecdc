// Imports a configuration file's bytes into a player's image, once as they
// come and once with a matching digest so the checks behind it are reached.

#include <cstring>
#include <vector>

#include "Require.h"
#include "SampleImage.h"
#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/exchange/ConfigExchange.h"
#include "model/exchange/DigestField.h"
#include "model/tables/ConfigTable.h"

namespace {

using namespace torvane;

// Work images kept from input to input: a fresh one each time would cost more than the import.
void Import(const model::FlashImage& sample, std::span<const std::uint8_t> file, bool confirm) {
  static const auto image = model::MakeFlashImage();
  static const auto before = model::MakeFlashImage();
  *image = sample;
  // Serve the file's console where it names a known one, so the import is not refused for that alone.
  if (file.size() == model::kConfigFileSize) {
    model::ConfigRecord record;
    std::memcpy(&record, file.data() + offsetof(model::ConfigFile, record), sizeof record);
    if (model::IsKnownHost(record.host_type())) image->config.host = static_cast<std::uint8_t>(record.host_type());
  }
  *before = *image;
  const model::ConfigImport import = model::ImportConfigFile(
      *image, file, model::IsKnownGame, model::DefaultResponseRecord, [confirm](std::uint8_t) { return confirm; });
  if (import.result != model::ExchangeResult::kOk) {
    fuzz::Require(std::memcmp(image.get(), before.get(), sizeof(model::FlashImage)) == 0,
                  "a refused import changed the image");
    return;
  }
  fuzz::Require(import.slot >= 0 && static_cast<std::size_t>(import.slot) < model::UsedConfigCount(image->config),
                "an imported record outside the table");
  fuzz::Require(model::UsedConfigCount(image->config) == model::UsedConfigCount(before->config) + 1,
                "an import added other than one record");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto sample = fuzz::SampleImage();
  const std::span<const std::uint8_t> input(data, size);
  const bool confirm = size > 0 && (data[size - 1] & 1) != 0;
  Import(*sample, input, confirm);
  std::vector<std::uint8_t> stamped(input.begin(), input.end());
  if (model::StampDigest(stamped, offsetof(model::ConfigFile, digest))) Import(*sample, stamped, confirm);
  return 0;
}
