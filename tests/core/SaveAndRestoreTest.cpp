// The save, the backup taken before every write, and the restore of a backup.
#include <filesystem>
#include <fstream>

#include "CoreTest.h"
#include "core/BackupRestore.h"
#include "core/FirmwareProcedures.h"
#include "core/SaveFlow.h"
#include "core/backup/BackupTexts.h"
#include "model/FlashRegions.h"
#include "model/tables/ConfigActions.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/NameText.h"

namespace torvane::testing {
namespace {

using SaveOutcome = core::SaveResult::Outcome;

class SaveAndRestoreTest : public CoreTest {
 protected:
  void SetUp() override { Load("working-mode-1"); }
  model::ConfigBlock& Configs() { return session.image().config; }
  // The addresses of the last write's entries, in order.
  std::vector<std::uint32_t> WrittenAddresses() const {
    std::vector<std::uint32_t> addresses;
    for (const device::PlanEntry& entry : host.writes.back().plan.entries()) addresses.push_back(entry.address);
    return addresses;
  }
};

TEST_F(SaveAndRestoreTest, ASaveWritesTheMarkedRegionsInOrderAndClearsTheMarks) {
  ++Configs().records[0].hotkey;
  session.MarkUnsaved(model::kUnsavedResponse | model::kUnsavedConfig | model::kUnsavedMacro);
  const core::SaveResult result = core::SaveChanges(session, host);
  EXPECT_EQ(result.outcome, SaveOutcome::kSaved);
  EXPECT_FALSE(result.startup_chosen);
  EXPECT_EQ(host.writes.back().kind, core::WriteKind::kSave);
  EXPECT_EQ(WrittenAddresses(), (std::vector<std::uint32_t>{model::kMacroBlockAddress, model::kConfigBlockAddress,
                                                            model::kResponseBlockAddress}));
  EXPECT_EQ(WrittenAt(model::kConfigBlockAddress), BytesOfBlock(Configs()));
  EXPECT_EQ(session.unsaved(), 0u);
  EXPECT_EQ(host.Texts(), std::vector<std::string>{"\nSave successfully!"});
}

TEST_F(SaveAndRestoreTest, TheStartUpRuleTakesAConsolesOnlyConfigurationAndRefusesAChoice) {
  // Two PS4 configurations, neither the start-up one: nothing is written.
  for (std::size_t i = 0; i < model::UsedConfigCount(Configs()); ++i) Configs().records[i].set_startup(false);
  session.MarkUnsaved(model::kUnsavedConfig);
  EXPECT_EQ(core::SaveChanges(session, host).outcome, SaveOutcome::kNoStartup);
  EXPECT_EQ(host.Texts(), std::vector<std::string>{"There must be a start up configuration."});
  EXPECT_TRUE(host.writes.empty());

  // With one left it becomes the start-up one, by its slot: a name that does not survive the code page counts too.
  std::vector<std::string> names;
  for (std::size_t i = 0; i < model::UsedConfigCount(Configs()); ++i) {
    if (Configs().records[i].host_type() == Configs().host)
      names.emplace_back(model::ReadName(Configs().records[i].name));
  }
  ASSERT_EQ(names.size(), 2u);
  ASSERT_NE(model::DeleteConfigWithMacros(session.image(), Configs().host, names[1]), 0u);
  const int only = model::FindConfigIndex(Configs(), names[0], Configs().host);
  Configs().records[static_cast<std::size_t>(only)].name.fill('\xFF');
  session.ClearUnsaved();
  const core::SaveResult result = core::SaveChanges(session, host);
  EXPECT_EQ(result.outcome, SaveOutcome::kSaved);
  EXPECT_TRUE(result.startup_chosen);
  EXPECT_TRUE(Configs().records[static_cast<std::size_t>(only)].is_startup());
  EXPECT_EQ(WrittenAddresses(), std::vector<std::uint32_t>{model::kConfigBlockAddress});
}

TEST_F(SaveAndRestoreTest, NothingToSaveWritesNothing) {
  EXPECT_EQ(core::SaveChanges(session, host).outcome, SaveOutcome::kNothingToSave);
  EXPECT_TRUE(host.writes.empty());
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_FALSE(std::filesystem::exists(BackupRoot())) << "no backup either";
}

TEST_F(SaveAndRestoreTest, AFailedSaveKeepsTheMarksForAnotherTry) {
  session.MarkUnsaved(model::kUnsavedMacro);
  host.write_results = {core::WriteResult{false, {-6, "Verify failed at 0x08008000"}}};
  EXPECT_EQ(core::SaveChanges(session, host).outcome, SaveOutcome::kFailed);
  EXPECT_EQ(session.unsaved(), model::kUnsavedMacro);
  EXPECT_EQ(host.Titles(), std::vector<std::string>{"USB Error"});
  EXPECT_EQ(host.reads_again, 0) << "the image holds what the save wrote";
  EXPECT_EQ(core::SaveChanges(session, host).outcome, SaveOutcome::kSaved);
}

// Each write backs up what the adapter holds as read, plus the writes since.
TEST_F(SaveAndRestoreTest, EveryWriteIsBackedUpFirst) {
  const auto as_read = BytesOfBlock(session.image());
  ++Configs().records[0].hotkey;
  session.MarkUnsaved(model::kUnsavedConfig);
  ASSERT_EQ(core::SaveChanges(session, host).outcome, SaveOutcome::kSaved);
  const std::uint8_t saved_hotkey = Configs().records[0].hotkey;
  host.answers = {core::kAnswerYes};
  ASSERT_EQ(core::FirmwareProcedures(session, host).RestoreConfiguration(), core::ProcedureOutcome::kDone);

  const std::vector<core::StoredBackup> backups = session.backups().store().List(session.image().info.serial);
  ASSERT_EQ(backups.size(), 2u);
  ASSERT_EQ(backups[1].parsed.error, model::BackupError::kNone);
  EXPECT_EQ(BytesOfBlock(*backups[1].parsed.image), as_read) << "the older one: before the save";
  ASSERT_EQ(backups[0].parsed.error, model::BackupError::kNone);
  EXPECT_EQ(backups[0].parsed.image->config.records[0].hotkey, saved_hotkey)
      << "the newer one: as the save left the adapter";
}

TEST_F(SaveAndRestoreTest, WhenNoBackupCanBeMadeThePlayerIsAskedAndNoWritesNothing) {
  // A regular file where the backup folder belongs: the backup fails for every user, root included.
  std::ofstream(BackupRoot()) << "in the way";
  session.MarkUnsaved(model::kUnsavedConfig);
  host.answers = {core::kAnswerNo};
  EXPECT_EQ(core::SaveChanges(session, host).outcome, SaveOutcome::kDeclined);
  EXPECT_TRUE(host.writes.empty());
  ASSERT_EQ(host.boxes.size(), 1u) << "no \"USB Error\" follows a refusal";
  EXPECT_EQ(host.boxes[0].title, core::kBackupTitle);
  EXPECT_TRUE(host.boxes[0].text.ends_with("\n\nWrite to the adapter without a backup?"));
  EXPECT_EQ(session.unsaved(), model::kUnsavedConfig);

  host.answers = {core::kAnswerYes};
  EXPECT_EQ(core::SaveChanges(session, host).outcome, SaveOutcome::kSaved);
}

TEST_F(SaveAndRestoreTest, ABackupIsWrittenBackAfterItsQuestionAndTheEditsItReplacesAreDropped) {
  auto other = std::make_unique<model::FlashImage>(session.image());
  other->info.serial[0] ^= 0x5A;
  ++other->config.records[0].hotkey;
  model::BackupHeader header;
  header.serial = other->info.serial;

  host.answers = {core::kAnswerNo};
  EXPECT_EQ(core::ConfirmBackupRestore(host, header, *other, session.image().info.serial),
            core::BackupConfirmation::kDeclined);
  EXPECT_TRUE(host.boxes[0].text.starts_with("This backup was taken from another adapter (SN "));
  header.serial = session.image().info.serial;
  host.answers = {core::kAnswerYes};
  EXPECT_EQ(core::ConfirmBackupRestore(host, header, *other, session.image().info.serial),
            core::BackupConfirmation::kConfirmed);
  EXPECT_TRUE(host.boxes[1].text.starts_with("The adapter's configurations, macros and response tables"));

  session.MarkUnsaved(model::kUnsavedConfig);  // an edit the restore replaces: not to be laid over the fresh read
  EXPECT_EQ(core::RestoreBackup(session, host, *other), core::WriteOutcome::kDone);
  EXPECT_EQ(WrittenAddresses(), (std::vector<std::uint32_t>{model::kMacroBlockAddress, model::kConfigBlockAddress,
                                                            model::kResponseBlockAddress}));
  EXPECT_EQ(WrittenAt(model::kConfigBlockAddress), BytesOfBlock(other->config));
  EXPECT_EQ(session.unsaved(), 0u);
  EXPECT_EQ(host.reads_again, 1);
  EXPECT_EQ(host.boxes.back().text, "Restore successfully!");
}

// A backup of the state before an upgrade may hold blocks the current firmware cannot read.
TEST_F(SaveAndRestoreTest, ABackupsOldFormatBlocksAreReplacedAsTheUpgradeDoesAndLostOnesRefused) {
  auto old = std::make_unique<model::FlashImage>(session.image());
  old->config.version = {1, 0, 0};
  model::BackupHeader header;
  header.serial = old->info.serial;
  host.answers = {core::kAnswerYes};
  ASSERT_EQ(core::ConfirmBackupRestore(host, header, *old, header.serial), core::BackupConfirmation::kConfirmed);
  EXPECT_TRUE(host.boxes.back().text.starts_with(
      "Its configuration block has the older format 1.0.0, which this firmware does not read: it is restored as "
      "the factory configuration block, as a firmware upgrade would replace it.\n"))
      << host.boxes.back().text;
  ASSERT_EQ(core::RestoreBackup(session, host, *old), core::WriteOutcome::kDone);
  EXPECT_EQ(WrittenAt(model::kConfigBlockAddress), BytesOfBlock(session.defaults().config));
  EXPECT_EQ(WrittenAt(model::kMacroBlockAddress), BytesOfBlock(old->macro)) << "a current block is written as kept";

  old->response.end = 0;
  host = RecordingHost();
  EXPECT_EQ(core::ConfirmBackupRestore(host, header, *old, header.serial), core::BackupConfirmation::kRefused);
  EXPECT_EQ(core::RestoreBackup(session, host, *old), core::WriteOutcome::kDeclined);
  EXPECT_TRUE(host.writes.empty());
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[0].text,
            "This backup cannot be restored: its response block lacks its start or end marker, and the adapter "
            "would count it as lost.\nNothing was written.");
}

// The procedures build their plans on a copy: a declined backup question leaves the image as it was, and a failed
// write forgets the edits of the regions it reached before the adapter is read again.
TEST_F(SaveAndRestoreTest, AProcedureThatDidNotWriteChangesNothingAndAFailedOneDropsTheEditsItReached) {
  std::ofstream(BackupRoot()) << "in the way";
  const auto image = BytesOfBlock(session.image());
  session.MarkUnsaved(model::kUnsavedMacro);
  host.answers = {core::kAnswerYes, core::kAnswerNo};  // the restore, then writing without a backup
  EXPECT_EQ(core::FirmwareProcedures(session, host).RestoreConfiguration(), core::ProcedureOutcome::kDeclined);
  EXPECT_EQ(BytesOfBlock(session.image()), image);
  EXPECT_EQ(session.unsaved(), model::kUnsavedMacro);

  host.answers = {core::kAnswerYes, core::kAnswerYes};
  host.write_results = {core::WriteResult{false, {258, "WriteFlash: Read(87,258)"}}};
  EXPECT_EQ(core::FirmwareProcedures(session, host).RestoreConfiguration(), core::ProcedureOutcome::kFailed);
  EXPECT_EQ(session.unsaved(), 0u) << "the macro block was among the regions the restore reached";
  EXPECT_EQ(host.reads_again, 1);
}

}  // namespace
}  // namespace torvane::testing
