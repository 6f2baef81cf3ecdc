#include "model/backup/BackupFile.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/RegionBytes.h"
#include "model/backup/BackupNames.h"
#include "model/backup/Sha256.h"
#include "support/ByteVector.h"

namespace torvane::model {
namespace {

// Every region filled with a pattern of its own, so a region read into the wrong place shows.
std::unique_ptr<FlashImage> PatternImage() {
  auto image = MakeFlashImage();
  const std::span<std::uint8_t> regions[] = {BytesOf(image->info), BytesOf(image->boot), BytesOf(image->macro),
                                             BytesOf(image->config), BytesOf(image->response)};
  std::uint8_t seed = 1;
  for (const auto& region : regions) {
    for (std::size_t i = 0; i < region.size(); ++i) region[i] = static_cast<std::uint8_t>(i * 7 + seed);
    seed = static_cast<std::uint8_t>(seed + 40);
  }
  image->info.serial = {0xDE, 0xAD, 0, 1, 2, 3, 4, 5, 6, 7, 8, 0xFF};
  image->info.hardware_version = {1, 8, 0};
  image->boot.firmware_version = {4, 5, 117};
  return image;
}

// Replaces the trailing digest with the right one for the (altered) contents.
void Reseal(std::vector<std::uint8_t>& file) {
  const auto digest = Sha256(std::span(file).first(file.size() - 32));
  std::copy(digest->begin(), digest->end(), file.end() - 32);
}

TEST(BackupFileTest, ParsesBackByteExactly) {
  const auto image = PatternImage();
  const auto file = EncodeBackup(*image, 1'765'000'000);
  const ParsedBackup parsed = ParseBackup(file);
  ASSERT_EQ(parsed.error, BackupError::kNone);
  EXPECT_EQ(torvane::testing::ByteVector(*parsed.image), torvane::testing::ByteVector(*image));
  EXPECT_EQ(parsed.header.serial, image->info.serial);
  EXPECT_EQ(parsed.header.time, 1'765'000'000);
  EXPECT_EQ(parsed.header.manager_version, kManagerVersion);
  EXPECT_EQ(parsed.header.hardware_version, (Version{1, 8, 0}));
  EXPECT_EQ(parsed.header.firmware_version, (Version{4, 5, 117}));
}

struct HostileCase {
  const char* name;
  std::function<void(std::vector<std::uint8_t>&)> change;
  BackupError error;
};

// Each is refused with its reason; under the address sanitizer a read past the buffer would fail the test too.
TEST(BackupFileTest, RefusesShortDamagedAndHostileFiles) {
  const auto good = EncodeBackup(*PatternImage(), 0);
  const HostileCase cases[] = {
      {"empty", [](auto& f) { f.clear(); }, BackupError::kTooShort},
      {"header only", [](auto& f) { f.resize(44 + 31); }, BackupError::kTooShort},
      {"magic", [](auto& f) { f[0] = 'X'; }, BackupError::kNotABackup},
      {"newer format", [](auto& f) { f[8] = 2; }, BackupError::kNewerFormat},
      {"flipped region byte", [](auto& f) { f[5000] ^= 1; }, BackupError::kDamaged},
      {"flipped digest byte", [](auto& f) { f.back() ^= 0x80; }, BackupError::kDamaged},
      {"cut short", [](auto& f) { f.resize(f.size() - 100); }, BackupError::kDamaged},
      {"cut to header and a sealed digest",
       [](auto& f) {
         f.resize(44 + 32);
         Reseal(f);
       },
       BackupError::kBadLayout},
      {"region longer than its block",
       [](auto& f) {
         f[44 + 9 * 2 + 5] = 0x41;  // third row's length, low byte
         Reseal(f);
       },
       BackupError::kBadLayout},
      {"region count 255",
       [](auto& f) {
         f[43] = 255;
         Reseal(f);
       },
       BackupError::kBadLayout},
      {"regions swapped in the table",
       [](auto& f) {
         std::swap_ranges(f.begin() + 44, f.begin() + 53, f.begin() + 53);
         Reseal(f);
       },
       BackupError::kBadLayout},
      {"extra byte, sealed",
       [](auto& f) {
         f.push_back(0);
         Reseal(f);
       },
       BackupError::kBadLayout},
  };
  for (const HostileCase& c : cases) {
    std::vector<std::uint8_t> file = good;
    c.change(file);
    const ParsedBackup parsed = ParseBackup(file);
    EXPECT_EQ(parsed.error, c.error) << c.name;
    EXPECT_EQ(parsed.image, nullptr) << c.name;
  }
}

TEST(BackupFileTest, NamesSortByTimeThenSequence) {
  EXPECT_EQ(SerialFolderName({0xDE, 0xAD, 0, 1, 2, 3, 4, 5, 6, 7, 8, 0xFF}), "dead000102030405060708ff");
  EXPECT_EQ(BackupFileName(1'765'157'400), "20251208-013000Z.tvbackup");
  const std::string names[] = {BackupFileName(1'765'157'400), BackupFileName(1'765'157'400, 2),
                               BackupFileName(1'765'157'400, 10), BackupFileName(1'765'157'401)};
  for (std::size_t i = 0; i + 1 < std::size(names); ++i) {
    ASSERT_TRUE(ParseBackupFileName(names[i]) && ParseBackupFileName(names[i + 1])) << names[i];
    EXPECT_LT(*ParseBackupFileName(names[i]), *ParseBackupFileName(names[i + 1])) << names[i];
  }
  for (const char* other :
       {"20251208-013000Z.tvbackup.tmp", ".20251208-013000Z.tvbackup.tmp-1-0", "notes.txt", "20251208-013000.tvbackup",
        "20251208-013000Z-.tvbackup", "20251208-013000Z-1234567.tvbackup", "2025120a-013000Z.tvbackup"}) {
    EXPECT_FALSE(ParseBackupFileName(other)) << other;
  }
}

}  // namespace
}  // namespace torvane::model
