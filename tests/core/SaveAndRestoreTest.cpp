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

TEST_F(SaveAndRestoreTest, ABackupIsWrittenBackAfterItsQuestionAndTheAdapterReadAgain) {
  auto other = std::make_unique<model::FlashImage>(session.image());
  other->info.serial[0] ^= 0x5A;
  ++other->config.records[0].hotkey;
  model::BackupHeader header;
  header.serial = other->info.serial;

  host.answers = {core::kAnswerNo};
  EXPECT_FALSE(core::ConfirmBackupRestore(host, header, session.image().info.serial));
  EXPECT_TRUE(host.boxes[0].text.starts_with("This backup was taken from another adapter (SN "));
  header.serial = session.image().info.serial;
  host.answers = {core::kAnswerYes};
  EXPECT_TRUE(core::ConfirmBackupRestore(host, header, session.image().info.serial));
  EXPECT_TRUE(host.boxes[1].text.starts_with("The adapter's configurations, macros and response tables"));

  EXPECT_EQ(core::RestoreBackup(session, host, *other), core::WriteOutcome::kDone);
  EXPECT_EQ(WrittenAddresses(), (std::vector<std::uint32_t>{model::kMacroBlockAddress, model::kConfigBlockAddress,
                                                            model::kResponseBlockAddress}));
  EXPECT_EQ(WrittenAt(model::kConfigBlockAddress), BytesOfBlock(other->config));
  EXPECT_EQ(host.reads_again, 1);
  EXPECT_EQ(host.boxes.back().text, "Restore successfully!");
}

}  // namespace
}  // namespace torvane::testing
