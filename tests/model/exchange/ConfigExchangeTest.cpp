#include "model/exchange/ConfigExchange.h"

#include <gtest/gtest.h>

#include <vector>

#include "TestImage.h"
#include "model/RegionBytes.h"
#include "model/exchange/DigestField.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/tables/ConfigTable.h"
#include "support/ByteVector.h"

namespace torvane::model {
namespace {

using testing::FreshImage;
using testing::MakeConfig;

constexpr int kGame = 5;
constexpr std::uint8_t kPgUp = 0x4B;  // global hotkey 0 of a fresh adapter
constexpr std::uint8_t kF1 = 0x3A;    // the first hotkey candidate

std::vector<std::uint8_t> FileBytes(const ConfigRecord& record) {
  const std::optional<ConfigFile> file = BuildConfigFile(record);
  EXPECT_TRUE(file.has_value());
  return torvane::testing::ByteVector(*file);
}

class ConfigImportTest : public ::testing::Test {
 protected:
  ConfigImport Import(const std::vector<std::uint8_t>& bytes) {
    return ImportConfigFile(*image, bytes, known, responses, confirm);
  }

  std::unique_ptr<FlashImage> image = FreshImage(kHostPS4);
  ResponseRecord response{};
  GameKnownFn known = [](int host, int game) { return host == kHostPS4 && game == kGame; };
  DefaultResponseFn responses = [this](std::uint16_t id) { return id == 7 ? &response : nullptr; };
  std::vector<std::uint8_t> asked;
  bool answer = true;
  ConfirmOccupiedFn confirm = [this](std::uint8_t key) {
    asked.push_back(key);
    return answer;
  };
};

TEST(ConfigFileTest, LayoutOfTheImage) {
  const ConfigRecord record = MakeConfig("Fortnite", kHostPS4, kGame);
  const std::vector<std::uint8_t> bytes = FileBytes(record);
  ASSERT_EQ(bytes.size(), 864u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 6),
            (std::vector<std::uint8_t>{4, 5, 118, 2, 0, 0}));
  EXPECT_TRUE(std::equal(bytes.begin() + 22, bytes.end(), BytesOf(record).begin()));
  EXPECT_TRUE(VerifyDigest(bytes, 6));
}

TEST_F(ConfigImportTest, ImportedRecordTakesFreeHotkeyColourAndResponse) {
  ConfigRecord existing = MakeConfig("Other", kHostPS4, kGame);
  existing.hotkey = kF1;
  existing.color = kConfigColors[0];
  ASSERT_TRUE(AddConfig(*image, existing, nullptr));
  response.curve_id = 7;
  response.data.fill(0x5A);

  ConfigRecord record = MakeConfig("Call of Duty: WWII", kHostPS4, kGame);
  record.hotkey = kF1;
  record.color = kConfigColors[0];
  record.set_startup(true);
  const ConfigImport result = Import(FileBytes(record));

  ASSERT_EQ(result.result, ExchangeResult::kOk);
  EXPECT_EQ(result.slot, 1);
  EXPECT_EQ(result.unsaved, kUnsavedConfig | kUnsavedResponse);
  EXPECT_TRUE(asked.empty());
  const ConfigRecord& added = image->config.records[1];
  EXPECT_EQ(added.hotkey, 0x3B);  // F2: F1 is taken on this console
  EXPECT_EQ(added.color.get(), kConfigColors[1]);
  EXPECT_FALSE(added.is_startup());
  EXPECT_EQ(added.hip_sensitivity.get(), 100);
  EXPECT_EQ(image->response.records[1].data[4000], 0x5A);
  EXPECT_EQ(ImportMessage(ExchangeKind::kConfig, result.result), "");
}

TEST_F(ConfigImportTest, WrongSizeNamesTheIncompatibleVersion) {
  std::vector<std::uint8_t> bytes = FileBytes(MakeConfig("A", kHostPS4, kGame));
  for (std::size_t size : {863u, 865u, 0u}) {
    bytes.resize(size);
    EXPECT_EQ(Import(bytes).result, ExchangeResult::kWrongSize) << size;
  }
  EXPECT_EQ(ImportMessage(ExchangeKind::kConfig, ExchangeResult::kWrongSize),
            "\nFailed to import file!\r\n[Error:  Incompatible version]");
  EXPECT_EQ(image->config.count, 0);
}

TEST_F(ConfigImportTest, EveryFlippedByteFailsVerification) {
  const std::vector<std::uint8_t> good = FileBytes(MakeConfig("A", kHostPS4, kGame));
  for (std::size_t i = 0; i < good.size(); ++i) {
    std::vector<std::uint8_t> bad = good;
    bad[i] ^= 0x80;
    ASSERT_EQ(Import(bad).result, ExchangeResult::kVerifyFailed) << i;
  }
  EXPECT_EQ(image->config.count, 0);
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(ImportMessage(ExchangeKind::kConfig, ExchangeResult::kVerifyFailed), "\nFailed to verify file!");
}

TEST_F(ConfigImportTest, FormatVersionNewerIsRefusedOlderAccepted) {
  const ConfigRecord record = MakeConfig("A", kHostPS4, kGame);
  std::vector<std::uint8_t> bytes = FileBytes(record);
  bytes[3] = 2, bytes[4] = 0, bytes[5] = 1;
  ASSERT_TRUE(StampDigest(bytes, 6));
  EXPECT_EQ(Import(bytes).result, ExchangeResult::kNeedsNewerManager);
  EXPECT_EQ(ImportMessage(ExchangeKind::kConfig, ExchangeResult::kNeedsNewerManager),
            "Failed to import!\r\n\r\nTry a higher version of Torvane Manager!");

  bytes[3] = 1, bytes[4] = 9, bytes[5] = 9;
  ASSERT_TRUE(StampDigest(bytes, 6));
  ASSERT_EQ(Import(bytes).result, ExchangeResult::kOk);
  ConfigRecord expected = record;
  expected.hotkey = kF1;
  expected.color = kConfigColors[0];
  EXPECT_TRUE(
      std::equal(BytesOf(expected).begin(), BytesOf(expected).end(), BytesOf(image->config.records[0]).begin()));
}

TEST_F(ConfigImportTest, RefusalsInTheirOrder) {
  image->config.host = kHostXboxOne;
  EXPECT_EQ(Import(FileBytes(MakeConfig("A", kHostPS4, kGame))).result, ExchangeResult::kWrongConsole);
  EXPECT_EQ(ImportMessage(ExchangeKind::kConfig, ExchangeResult::kWrongConsole), "\nWrong console!");

  image->config.host = kHostPS4;
  ASSERT_TRUE(AddConfig(*image, MakeConfig("A", kHostPS4, kGame), nullptr));
  // A duplicate name wins over an unknown game; the console is checked first of all.
  EXPECT_EQ(Import(FileBytes(MakeConfig("A", kHostPS4, 99))).result, ExchangeResult::kDuplicateConfig);
  EXPECT_EQ(Import(FileBytes(MakeConfig("A", kHostSwitch, 99))).result, ExchangeResult::kWrongConsole);
  EXPECT_EQ(Import(FileBytes(MakeConfig("B", kHostPS4, 99))).result, ExchangeResult::kNeedsNewerManager);
  EXPECT_EQ(image->config.count, 1);

  image->config.host = 5;
  EXPECT_EQ(Import(FileBytes(MakeConfig("B", kHostPS4, kGame))).result, ExchangeResult::kIgnored);
  EXPECT_EQ(ImportMessage(ExchangeKind::kConfig, ExchangeResult::kIgnored), "");
}

TEST_F(ConfigImportTest, OccupiedKeyIsAskedBetweenDigestAndConsoleChecks) {
  ConfigRecord record = MakeConfig("A", kHostPS4, kGame);
  record.mapping[2][5] = kPgUp;

  answer = false;
  EXPECT_EQ(Import(FileBytes(record)).result, ExchangeResult::kDeclined);
  EXPECT_EQ(asked, std::vector<std::uint8_t>{kPgUp});
  EXPECT_EQ(image->config.count, 0);

  answer = true;
  image->config.host = kHostXboxOne;
  EXPECT_EQ(Import(FileBytes(record)).result, ExchangeResult::kWrongConsole);
  EXPECT_EQ(asked.size(), 2u);

  image->config.host = kHostPS4;
  EXPECT_EQ(Import(FileBytes(record)).result, ExchangeResult::kOk);
  EXPECT_EQ(OccupiedKeyQuestion(asked.back()), "The [PgUp] has been occupied!\r\nAre you sure?");

  // Without anyone to ask, the key's owner keeps it.
  confirm = nullptr;
  record.name[0] = 'B';
  EXPECT_EQ(Import(FileBytes(record)).result, ExchangeResult::kDeclined);
}

TEST_F(ConfigImportTest, FullTablesAndColours) {
  for (std::size_t i = 0; i < kMaxConfigs; ++i) {
    ConfigRecord other = MakeConfig(std::string(1, static_cast<char>('a' + i)), kHostXboxOne, kGame);
    other.color = kConfigColors[i];
    ASSERT_TRUE(AddConfig(*image, other, nullptr));
  }
  EXPECT_EQ(Import(FileBytes(MakeConfig("A", kHostPS4, kGame))).result, ExchangeResult::kConfigTableFull);
  EXPECT_EQ(ImportMessage(ExchangeKind::kConfig, ExchangeResult::kConfigTableFull), " max game number 32 !");

  image->config.host = kHostXboxOne;
  known = [](int, int) { return true; };
  EXPECT_EQ(Import(FileBytes(MakeConfig("A", kHostXboxOne, kGame))).result, ExchangeResult::kNoFreeColor);
  EXPECT_EQ(ImportMessage(ExchangeKind::kConfig, ExchangeResult::kNoFreeColor), "no useful color.");
}

TEST_F(ConfigImportTest, HostileRecordStaysInsideItsFields) {
  ConfigRecord record = MakeConfig("", kHostPS4, kGame);
  record.name.fill('N');  // no terminator
  record.button_count = 255;
  record.mapping[3].fill(kPgUp);
  const ConfigImport result = Import(FileBytes(record));
  EXPECT_EQ(result.result, ExchangeResult::kOk);
  // Cut to the 39 characters a new name may have, so the stored name ends in its terminator.
  EXPECT_EQ(FindConfigIndex(image->config, std::string(39, 'N'), kHostPS4), 0);
  EXPECT_EQ(image->config.records[0].name.back(), '\0');
  EXPECT_EQ(image->config.records[0].button_count, kMappingGroupSize);
}

}  // namespace
}  // namespace torvane::model
