// Writes the starting corpus of every fuzz target, made with the manager's own
// writers from a player's image: seed_corpus <folder> fills <folder>/<target>/.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "AnswerTransport.h"
#include "ImageInput.h"
#include "ProviderSeed.h"
#include "SampleImage.h"
#include "device/ProtocolCodes.h"
#include "model/LittleEndian.h"
#include "model/RegionBytes.h"
#include "model/backup/BackupFile.h"
#include "model/exchange/ConfigExchange.h"
#include "model/exchange/CurveExchange.h"
#include "model/exchange/DigestField.h"
#include "model/exchange/MacroExchange.h"
#include "model/params/ResponseCurves.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"

namespace {

using namespace torvane;
namespace fs = std::filesystem;

class SeedFolder {
 public:
  SeedFolder(const fs::path& root, const std::string& target) : folder_(root / target) {
    fs::create_directories(folder_);
  }
  void Write(std::span<const std::uint8_t> bytes) {
    std::ofstream out(folder_ / ("seed" + std::to_string(next_++)), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write a seed to " + folder_.string());
  }

 private:
  fs::path folder_;
  int next_ = 0;
};

void ExchangeSeeds(const model::FlashImage& image, const fs::path& root) {
  SeedFolder configs(root, "config_file");
  for (std::size_t i = 0; i < model::UsedConfigCount(image.config); ++i) {
    if (auto file = model::BuildConfigFile(image.config.records[i])) configs.Write(model::BytesOf(*file));
  }
  SeedFolder macros(root, "macro_file");
  for (std::size_t i = 0; i < model::UsedMacroCount(image.macro); ++i) {
    if (auto file = model::BuildMacroFile(image.macro.records[i])) macros.Write(model::BytesOf(*file));
  }
  SeedFolder curves(root, "curve_file");
  for (std::size_t i = 0; i < 3 && i < model::UsedConfigCount(image.config); ++i) {
    const model::ConfigRecord& record = image.config.records[i];
    const auto file =
        model::BuildCurveFile(model::ChartFromCurve(record.hip_curve), model::ChartFromCurve(record.ads_curve));
    if (file) curves.Write(model::BytesOf(*file));
  }
}

void NewsSeeds(const fs::path& root) {
  SeedFolder folder(root, "news_record");
  const std::string texts[] = {"Update", "https://example.org/news", "Read more", "New firmware is out."};
  std::vector<std::uint8_t> record(35);
  record[0] = 1;  // unread
  record[1] = 1;  // kind: news
  const std::uint8_t date[] = {20, 26, 12, 8, 6, 30};
  std::copy(std::begin(date), std::end(date), record.begin() + 21);
  for (int i = 0; i < 3; ++i) model::WriteU16(&record[27 + 2 * i], static_cast<std::uint16_t>(texts[i].size()));
  for (const std::string& text : texts) record.insert(record.end(), text.begin(), text.end());
  record.push_back(0);
  if (model::StampDigest(record, 5)) folder.Write(record);
}

void ImageSeeds(const model::FlashImage& image, const fs::path& root) {
  SeedFolder backups(root, "backup_file");
  backups.Write(model::EncodeBackup(image, 1'765'000'000));
  // The tables, the information block and the boot block's firmware fields; the rest stays the player's.
  constexpr std::size_t kSeedSize = 2 * model::kBlockSize + model::kInfoBlockSize + 48;
  SeedFolder images(root, "flash_image");
  const std::vector<std::uint8_t> whole = fuzz::ImageInputOf(image);
  images.Write(std::span(whole).first(kSeedSize));
  images.Write(std::span(whole).first(2048));
  auto lost = fuzz::CopyImage(image);
  lost->config.end = 0xFF;  // an interrupted save
  const std::vector<std::uint8_t> lost_whole = fuzz::ImageInputOf(*lost);
  images.Write(std::span(lost_whole).first(kSeedSize));
}

// A connection's reads as a well-behaved adapter answers them, then a write
// with its read-back, an erase and a key-code poll.
void AnswerSeeds(const model::FlashImage& image, const fs::path& root) {
  fuzz::ProviderSeed seed;
  const auto fitting = [&seed](std::span<const std::uint8_t> data) {
    seed.Small(fuzz::AnswerTransport::kFitting);
    seed.Bytes(data);
  };
  const auto chunks = [&fitting](std::span<const std::uint8_t> bytes) {
    for (std::size_t at = 0; at < bytes.size(); at += device::kMaxChunk) {
      fitting(bytes.subspan(at, std::min(device::kMaxChunk, bytes.size() - at)));
    }
  };
  seed.Small(0);  // run status
  const std::uint8_t status[] = {1, 0, 0, 0};
  fitting(status);
  seed.Small(1);  // information block
  chunks(model::BytesOf(image.info));
  seed.Small(2);  // boot block and the byte after the firmware
  chunks(model::BytesOf(image.boot));
  const std::uint8_t end_byte[] = {model::kEndMarker};
  fitting(end_byte);

  const std::vector<std::uint8_t> written(70, 0x3C);
  const auto plan = [&seed, &written] {
    seed.Small(1);  // one sector
    seed.Small(model::kConfigSector);
    seed.Word(model::kConfigBlockAddress);
    seed.Small(static_cast<std::uint8_t>(written.size() - 1));
    seed.Bytes(written);
  };
  seed.Small(6);  // write and read back
  plan();
  seed.Small(fuzz::AnswerTransport::kFitting);
  seed.Small(fuzz::AnswerTransport::kFitting);
  chunks(written);
  seed.Small(5);  // erase
  plan();
  seed.Small(fuzz::AnswerTransport::kFitting);
  seed.Small(3);  // any read
  seed.Medium(60);
  seed.Word(model::kMacroBlockAddress);
  chunks(std::span(model::BytesOf(image.macro)).first(60));
  seed.Small(4);  // key code
  const std::uint8_t key[] = {0x2C};
  fitting(key);
  SeedFolder folder(root, "device_answer");
  folder.Write(seed.Input());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  const fs::path root = argv[1];
  try {
    const auto image = fuzz::SampleImage();
    ExchangeSeeds(*image, root);
    NewsSeeds(root);
    ImageSeeds(*image, root);
    AnswerSeeds(*image, root);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "seed_corpus: %s\n", e.what());
    return 1;
  }
  return 0;
}
