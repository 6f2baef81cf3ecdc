// The backups the help dialog lists: this adapter's, another's after its own question, damaged ones listed but not
// restorable; and the command line tool finding the very backups the window made.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <fstream>

#include "app/MainPage.h"
#include "core/ManagerFolders.h"
#include "core/backup/BackupStore.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "model/backup/BackupNames.h"
#include "support/ByteVector.h"
#include "support/MainWindowFixture.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/CComboUI.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;

class BackupsDialogTest : public MainWindowFixture {
 protected:
  void SetUp() override { ASSERT_TRUE(StartOnHomePage()); }
  // A save of an edited configuration block, as the player starts it.
  void SaveAnEdit() {
    ++state.session.image().config.records[0].hotkey;
    window->MarkUnsaved(model::kUnsavedConfig);
    MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
    Click(u"btnSave");
  }
  // Opens the backups from the help dialog, and has `choose` act on the list once it shows.
  void OpenBackups(std::function<void(toolkit::WindowImplBase&)> choose) {
    WhenModalShows(u"btnBackups", [](toolkit::WindowImplBase& help) {
      help.FindControl<toolkit::CButtonUI>(u"btnBackups")->Activate();
    });
    WhenModalShows(u"comboBackups", std::move(choose));
    Click(u"btnhelp");
  }
  std::vector<std::uint8_t> AdapterConfig() const {
    return adapter.ReadFlash(model::kConfigBlockAddress, sizeof(model::ConfigBlock));
  }
};

TEST_F(BackupsDialogTest, ABackupChosenThroughTheHelpDialogIsWrittenBack) {
  const auto original = AdapterConfig();
  SaveAnEdit();
  ASSERT_NE(AdapterConfig(), original);
  // An edit the restore replaces is not laid over the adapter's fresh read.
  ++state.session.image().config.records[0].hotkey;
  window->MarkUnsaved(model::kUnsavedConfig);
  // A damaged file sorts newest: listed, not restorable.
  const core::BackupStore store(core::BackupFolder());
  std::ofstream(std::filesystem::path(store.FolderOf(state.session.image().info.serial)) / "20991231-000000Z.tvbackup")
      << "damaged";

  int listed = 0;
  bool damaged_restorable = true;
  MessageBoxAnswers::Reset();
  for (const int answer : {dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);
  OpenBackups([&](toolkit::WindowImplBase& dialog) {
    auto* combo = dialog.FindControl<toolkit::CComboUI>(u"comboBackups");
    listed = combo->GetCount();
    damaged_restorable = dialog.FindControl(u"btnRestoreBackup")->IsEnabled();
    combo->SelectItem(1, false, true);
    dialog.FindControl<toolkit::CButtonUI>(u"btnRestoreBackup")->Activate();
  });

  EXPECT_EQ(listed, 2);
  EXPECT_FALSE(damaged_restorable);
  ASSERT_EQ(MessageBoxAnswers::Shown().size(), 2);
  EXPECT_EQ(MessageBoxAnswers::Shown().front().title, QStringLiteral("Backups"));
  EXPECT_EQ(MessageBoxAnswers::Shown().back().text, QStringLiteral("Restore successfully!"));
  EXPECT_EQ(AdapterConfig(), original);
  EXPECT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceArrival; }));
  EXPECT_EQ(ByteVector(state.session.image().config), original) << "read afresh";
  EXPECT_EQ(window->unsaved_mask(), 0u);
  EXPECT_EQ(Control(u"btnSave")->GetText(), QStringLiteral("Save"));
}

// A No keeps the list open for another choice; the question, asked over the list, names the other adapter.
TEST_F(BackupsDialogTest, AnotherAdaptersBackupIsRestoredOnlyAfterTheQuestion) {
  auto other = std::make_unique<model::FlashImage>(state.session.image());
  other->info.serial[0] ^= 0x5A;
  ++other->config.records[0].hotkey;
  ASSERT_FALSE(core::BackupStore(core::BackupFolder()).Write(*other, 1'700'000'000).file_name.empty());
  const auto before = AdapterConfig();

  bool open_after_no = false;
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdNo);
  OpenBackups([&](toolkit::WindowImplBase& dialog) {
    auto* combo = dialog.FindControl<toolkit::CComboUI>(u"comboBackups");
    ASSERT_EQ(combo->GetCount(), 1);  // only the other adapter's
    combo->SelectItem(0, false, true);
    dialog.FindControl<toolkit::CButtonUI>(u"btnRestoreBackup")->Activate();
    open_after_no = dialog.IsModalRunning();
    for (const int answer : {dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);
    dialog.FindControl<toolkit::CButtonUI>(u"btnRestoreBackup")->Activate();
  });
  EXPECT_TRUE(open_after_no);
  ASSERT_EQ(MessageBoxAnswers::Shown().size(), 3);
  EXPECT_TRUE(MessageBoxAnswers::Shown().front().text.startsWith(
      QStringLiteral("This backup was taken from another adapter (SN ")));
  EXPECT_NE(AdapterConfig(), before);
  EXPECT_EQ(AdapterConfig(), ByteVector(other->config));
}

// The window and the command line tool keep their backups in the one data folder they both compute.
TEST_F(BackupsDialogTest, TheCommandLineFindsTheBackupsTheWindowMade) {
  SaveAnEdit();
  const auto made = core::BackupStore(core::BackupFolder()).List(state.session.image().info.serial);
  ASSERT_EQ(made.size(), 1u);

  QProcess cli;
  cli.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
  cli.start(qEnvironmentVariable("TORVANE_CLI"), {QStringLiteral("--json"), QStringLiteral("backups")});
  ASSERT_TRUE(cli.waitForFinished(30000));
  const QByteArray listed = cli.readAllStandardOutput();
  EXPECT_EQ(cli.exitCode(), 0) << listed.toStdString();
  const QJsonArray backups = QJsonDocument::fromJson(listed).object().value(QStringLiteral("backups")).toArray();
  ASSERT_EQ(backups.size(), 1) << listed.toStdString();
  EXPECT_EQ(backups[0].toObject().value(QStringLiteral("file")).toString().toStdString(), made.front().path);
  EXPECT_EQ(backups[0].toObject().value(QStringLiteral("serial")).toString().toStdString(),
            model::SerialFolderName(state.session.image().info.serial));
}

}  // namespace
}  // namespace torvane::testing
