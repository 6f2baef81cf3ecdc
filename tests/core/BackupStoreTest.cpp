#include "core/backup/BackupStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/backup/AdapterBackups.h"
#include "device/FlashPlans.h"
#include "model/RegionBytes.h"
#include "model/backup/BackupNames.h"
#include "support/TempFolder.h"

namespace torvane::core {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kTime = 1'765'157'400;  // 2025-12-08 01:30:00 UTC

class BackupStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(root.empty());
    image->info.serial = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    image->config.count = 3;
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const StoredBackup& backup : BackupStore(root.string()).List(image->info.serial)) {
      names.push_back(backup.file_name);
    }
    return names;
  }

  testing::TempFolder folder;
  const fs::path root = folder.path();
  std::unique_ptr<model::FlashImage> image = model::MakeFlashImage();
};

TEST_F(BackupStoreTest, WritesNewFilesAndListsThemNewestFirstWithDamagedOnesMarked) {
  const BackupStore store(root.string());
  ASSERT_EQ(store.Write(*image, kTime).file_name, "20251208-013000Z.tvbackup");
  ASSERT_EQ(store.Write(*image, kTime).file_name, "20251208-013000Z-2.tvbackup") << "never replaces one";
  image->config.count = 4;
  ASSERT_EQ(store.Write(*image, kTime + 60).error, "");
  std::ofstream(fs::path(store.FolderOf(image->info.serial)) / "notes.txt") << "not a backup";
  fs::resize_file(fs::path(store.FolderOf(image->info.serial)) / "20251208-013000Z.tvbackup", 1000);

  const auto backups = store.List(image->info.serial);
  ASSERT_EQ(backups.size(), 3u);
  EXPECT_EQ(backups[0].file_name, "20251208-013100Z.tvbackup");
  ASSERT_EQ(backups[0].parsed.error, model::BackupError::kNone);
  EXPECT_EQ(backups[0].parsed.image->config.count, 4);
  EXPECT_EQ(backups[1].parsed.error, model::BackupError::kNone);
  EXPECT_EQ(backups[2].parsed.error, model::BackupError::kDamaged);
  EXPECT_EQ(fs::path(backups[0].path).parent_path().filename(), "0102030405060708090a0b0c");
}

TEST_F(BackupStoreTest, ListsEveryAdapterWithTheGivenOneFirst) {
  const BackupStore store(root.string());
  const Serial mine = image->info.serial;
  image->info.serial = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};  // sorts before `mine`
  ASSERT_EQ(store.Write(*image, kTime + 5).error, "");
  image->info.serial = mine;
  ASSERT_EQ(store.Write(*image, kTime).error, "");
  const auto all = store.ListAll(mine);
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].parsed.header.serial, mine);
  EXPECT_NE(all[1].parsed.header.serial, mine);
}

TEST_F(BackupStoreTest, KeepsTheNewestTwentyAndTheReadsBackup) {
  AdapterBackups backups(root.string());
  backups.TakeRead(*image);
  for (int i = 0; i < 25; ++i) ASSERT_EQ(backups.BackUp(kTime + i), "") << i;
  const auto names = Names();
  ASSERT_EQ(names.size(), 20u);
  EXPECT_EQ(names.front(), model::BackupFileName(kTime + 24));
  EXPECT_EQ(names[18], model::BackupFileName(kTime + 6)) << "oldest pruned first";
  EXPECT_EQ(names.back(), model::BackupFileName(kTime)) << "the state the read found survives";

  // A clock set back: the newest backup sorts first and is kept all the same.
  backups.TakeRead(*image);
  ASSERT_EQ(backups.BackUp(kTime - 3600), "");
  const auto after = Names();
  EXPECT_EQ(after.size(), 20u);
  EXPECT_EQ(after.back(), model::BackupFileName(kTime - 3600));
}

TEST_F(BackupStoreTest, LaterBackupsHoldWhatTheWritesPutOnTheAdapter) {
  AdapterBackups backups(root.string());
  backups.TakeRead(*image);
  image->config.count = 0;
  image->config.start = model::kStartMarker;
  device::WritePlan plan;
  ASSERT_TRUE(device::BuildSavePlan(model::BuildSaveJob(*image, model::kUnsavedConfig), plan));
  backups.TakeWritten(plan);
  ASSERT_EQ(backups.BackUp(kTime), "");
  const auto stored = BackupStore(root.string()).List(image->info.serial);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].parsed.image->config.count, 0);
}

// A regular file where the folder should be fails for every user, root included.
TEST_F(BackupStoreTest, AFolderThatCannotBeMadeIsReportedAndNothingIsWritten) {
  std::ofstream(root / "blocked") << "a file";
  AdapterBackups backups((root / "blocked" / "backups").string());
  EXPECT_NE(backups.BackUp(kTime), "") << "nothing read yet";
  backups.TakeRead(*image);
  EXPECT_NE(backups.BackUp(kTime), "");
  EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace torvane::core
