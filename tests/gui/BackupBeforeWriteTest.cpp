// The backup taken before every write, the question when it cannot be made, and a write the read-back refuses.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/BackupBeforeWrite.h"
#include "app/MainPage.h"
#include "device/ProtocolCodes.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "emulator/AdapterFault.h"
#include "gui/support/MainWindowFixture.h"
#include "model/RegionBytes.h"
#include "platform/BackupStore.h"
#include "platform/BackupTexts.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/CComboUI.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;

std::vector<std::uint8_t> Bytes(const model::FlashImage& image) {
  const auto bytes = model::BytesOf(image);
  return {bytes.begin(), bytes.end()};
}

QStringList ShownTitles() {
  QStringList titles;
  for (const auto& box : MessageBoxAnswers::Shown()) titles << box.title;
  return titles;
}

class BackupBeforeWriteTest : public MainWindowFixture {
 protected:
  // The window takes its data folder when it is built, so it finds this one.
  BackupBeforeWriteTest() { qputenv("XDG_DATA_HOME", QFile::encodeName(data.path())); }

  std::vector<platform::StoredBackup> Backups() const {
    return platform::BackupStore(app::BackupRoot({})).List(state.image->info.serial);
  }
  // A save of an edited configuration block, as the player starts it.
  void SaveAnEdit() {
    window->ShowHomePage();
    ++state.image->config.records[0].hotkey;
    window->MarkUnsaved(model::kUnsavedConfig);
    Click(u"btnSave");
  }

  QTemporaryDir data;
};

struct WriteKind {
  const char* name;
  const char* scenario;
  std::vector<int> answers;
  const char16_t* button;  // nullptr: a save
};

class BackupOfEachWriteTest : public BackupBeforeWriteTest, public ::testing::WithParamInterface<WriteKind> {};

TEST_P(BackupOfEachWriteTest, HoldsTheAdapterAsReadBeforeTheWrite) {
  const WriteKind& kind = GetParam();
  ASSERT_TRUE(StartOnAdapterPage(kind.scenario));
  const auto as_read = Bytes(*state.image);
  const std::size_t writes = adapter.RequestCount(device::kCmdWriteFlash);
  for (const int answer : kind.answers) MessageBoxAnswers::SetNextAnswer(answer);
  if (kind.button) {
    Click(kind.button);
  } else {
    SaveAnEdit();
  }
  ASSERT_GT(adapter.RequestCount(device::kCmdWriteFlash), writes) << ShownTitles().join(u',').toStdString();
  const auto backups = Backups();
  ASSERT_EQ(backups.size(), 1u);
  ASSERT_EQ(backups[0].parsed.error, model::BackupError::kNone);
  EXPECT_EQ(Bytes(*backups[0].parsed.image), as_read);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, BackupOfEachWriteTest,
    ::testing::Values(
        WriteKind{"Save", "working-mode-1", {dialogs::kIdOk}, nullptr},
        WriteKind{"Upgrade", "old-firmware", {dialogs::kIdOk, dialogs::kIdYes, dialogs::kIdOk}, u"btnDeviceArrival"},
        WriteKind{"RestoreConfiguration",
                  "lost-configuration",
                  {dialogs::kIdOk, dialogs::kIdYes, dialogs::kIdOk},
                  u"btnDeviceArrival"},
        WriteKind{
            "RestoreFirmwareAndConfiguration", "working-mode-3", {dialogs::kIdYes, dialogs::kIdOk}, u"btnUpgrade"}),
    [](const ::testing::TestParamInfo<WriteKind>& param) { return param.param.name; });

// A regular file where the backup folder belongs: the backup fails for every user, root included.
TEST_F(BackupBeforeWriteTest, AFailedBackupAsksAndNoWritesNothing) {
  const std::filesystem::path root = app::BackupRoot({});
  std::filesystem::create_directories(root.parent_path());
  std::ofstream(root) << "in the way";
  ASSERT_TRUE(StartOnAdapterPage());
  const std::size_t erases = adapter.RequestCount(device::kCmdEraseFlash);

  MessageBoxAnswers::SetNextAnswer(dialogs::kIdNo);
  SaveAnEdit();
  // No "USB Error" follows a refusal.
  WaitUntil([] { return false; }, 200);
  EXPECT_EQ(ShownTitles(), QStringList{QString::fromUtf8(platform::kBackupTitle)});
  EXPECT_EQ(adapter.RequestCount(device::kCmdEraseFlash), erases);
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig);
  EXPECT_TRUE(Control(u"btnSave")->IsEnabled());

  MessageBoxAnswers::Reset();
  for (const int answer : {dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);
  Click(u"btnSave");
  EXPECT_EQ(ShownTitles(), (QStringList{QString::fromUtf8(platform::kBackupTitle), QStringLiteral("Save Configuration")}));
  EXPECT_EQ(window->unsaved_mask(), 0u);
}

TEST_F(BackupBeforeWriteTest, AWriteTheFlashDidNotTakeFailsAndKeepsTheEdits) {
  ASSERT_TRUE(StartOnAdapterPage());
  adapter.ArmFault(emulator::Fault(emulator::FaultKind::kStuckCell, device::kCmdWriteFlash));
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  SaveAnEdit();
  ASSERT_TRUE(WaitUntil([] { return !MessageBoxAnswers::Shown().isEmpty(); }));
  EXPECT_EQ(MessageBoxAnswers::Shown().front().title, QStringLiteral("USB Error"));
  EXPECT_TRUE(MessageBoxAnswers::Shown().front().text.endsWith(QStringLiteral("Verify failed at 0x0800C000")))
      << MessageBoxAnswers::Shown().front().text.toStdString();
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig);
}

TEST_F(BackupBeforeWriteTest, ABackupChosenThroughTheHelpDialogIsWrittenBack) {
  ASSERT_TRUE(StartOnAdapterPage());
  const auto original = adapter.ReadFlash(model::kConfigBlockAddress, sizeof(model::ConfigBlock));
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  SaveAnEdit();
  ASSERT_NE(adapter.ReadFlash(model::kConfigBlockAddress, sizeof(model::ConfigBlock)), original);
  // A damaged file sorts newest: listed, not restorable.
  const platform::BackupStore store(app::BackupRoot({}));
  std::ofstream(std::filesystem::path(store.FolderOf(state.image->info.serial)) / "20991231-000000Z.tvbackup")
      << "damaged";

  WhenModalShows(u"btnBackups", [](toolkit::WindowImplBase& help) {
    help.FindControl<toolkit::CButtonUI>(u"btnBackups")->Activate();
  });
  int listed = 0;
  bool damaged_restorable = true;
  WhenModalShows(u"comboBackups", [&](toolkit::WindowImplBase& dialog) {
    auto* combo = dialog.FindControl<toolkit::CComboUI>(u"comboBackups");
    listed = combo->GetCount();
    damaged_restorable = dialog.FindControl(u"btnRestoreBackup")->IsEnabled();
    combo->SelectItem(1, false, true);
    dialog.FindControl<toolkit::CButtonUI>(u"btnRestoreBackup")->Activate();
  });
  MessageBoxAnswers::Reset();
  for (const int answer : {dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);
  Click(u"btnhelp");

  EXPECT_EQ(listed, 2);
  EXPECT_FALSE(damaged_restorable);
  ASSERT_EQ(MessageBoxAnswers::Shown().size(), 2);
  EXPECT_EQ(MessageBoxAnswers::Shown().back().text, QStringLiteral("Restore successfully!"));
  EXPECT_EQ(adapter.ReadFlash(model::kConfigBlockAddress, sizeof(model::ConfigBlock)), original);
  EXPECT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceArrival; }));
  const auto shown = model::BytesOf(state.image->config);
  EXPECT_EQ(std::vector<std::uint8_t>(shown.begin(), shown.end()), original) << "read afresh";
}

TEST_F(BackupBeforeWriteTest, AnotherAdaptersBackupIsRestoredOnlyAfterTheQuestion) {
  ASSERT_TRUE(StartOnAdapterPage());
  auto other = std::make_unique<model::FlashImage>(*state.image);
  other->info.serial[0] ^= 0x5A;
  ++other->config.records[0].hotkey;
  const platform::BackupStore store(app::BackupRoot({}));
  ASSERT_FALSE(store.Write(*other, 1'700'000'000).file_name.empty());
  const auto before = adapter.ReadFlash(model::kConfigBlockAddress, sizeof(model::ConfigBlock));

  for (const int answer : {dialogs::kIdNo, dialogs::kIdYes}) {
    SCOPED_TRACE(answer);
    WhenModalShows(u"btnBackups", [](toolkit::WindowImplBase& help) {
      help.FindControl<toolkit::CButtonUI>(u"btnBackups")->Activate();
    });
    WhenModalShows(u"comboBackups", [](toolkit::WindowImplBase& dialog) {
      auto* combo = dialog.FindControl<toolkit::CComboUI>(u"comboBackups");
      ASSERT_EQ(combo->GetCount(), 1);  // only the other adapter's
      combo->SelectItem(0, false, true);
      dialog.FindControl<toolkit::CButtonUI>(u"btnRestoreBackup")->Activate();
      if (dialog.IsModalRunning()) dialog.Close(toolkit::WindowImplBase::kSystemCloseCode);
    });
    MessageBoxAnswers::Reset();
    for (const int next : {answer, int{dialogs::kIdOk}}) MessageBoxAnswers::SetNextAnswer(next);
    Click(u"btnhelp");
    ASSERT_FALSE(MessageBoxAnswers::Shown().isEmpty());
    EXPECT_TRUE(MessageBoxAnswers::Shown().front().text.startsWith(
        QStringLiteral("This backup was taken from another adapter (SN ")));
    const auto now = adapter.ReadFlash(model::kConfigBlockAddress, sizeof(model::ConfigBlock));
    if (answer == dialogs::kIdNo) {
      EXPECT_EQ(now, before);
    } else {
      const auto restored = model::BytesOf(other->config);
      EXPECT_EQ(now, std::vector<std::uint8_t>(restored.begin(), restored.end()));
      ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceArrival; }));
    }
  }
}

}  // namespace
}  // namespace torvane::testing
