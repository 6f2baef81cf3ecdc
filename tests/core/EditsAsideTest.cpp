// The edits a front end sets aside while the adapter is away or read again, and what brings them back over the
// next read of the same adapter.
#include <cstring>
#include <memory>

#include "CoreTest.h"
#include "core/SaveFlow.h"
#include "model/FlashRegions.h"

namespace torvane::testing {
namespace {

class EditsAsideTest : public CoreTest {
 protected:
  void SetUp() override {
    Load("working-mode-1");
    adapter = std::make_unique<model::FlashImage>(session.image());
  }
  // The adapter read again, holding what the last write left on it.
  void ReadAgain() {
    if (const std::vector<std::uint8_t> config = WrittenAt(model::kConfigBlockAddress); !config.empty()) {
      std::memcpy(&adapter->config, config.data(), config.size());
    }
    session.TakeRead(*adapter, session.run_status());
  }
  model::ConfigRecord& Record(std::size_t slot) { return session.image().config.records[slot]; }

  std::unique_ptr<model::FlashImage> adapter;  // as last read
};

// A plug that goes out again within the settle second sets the edits aside a second time before any read.
TEST_F(EditsAsideTest, EditsSetAsideTwiceBeforeAReadComeBackOverIt) {
  ++Record(0).hotkey;
  const auto edited = BytesOfBlock(session.image().config);
  session.MarkUnsaved(model::kUnsavedConfig);
  session.SetEditsAside();
  session.SetEditsAside();
  EXPECT_TRUE(session.HasEditsAside());
  EXPECT_EQ(session.unsaved(), 0u);

  ReadAgain();
  EXPECT_EQ(BytesOfBlock(session.image().config), edited);
  EXPECT_EQ(session.unsaved(), model::kUnsavedConfig);
  EXPECT_FALSE(session.HasEditsAside());
}

// After a read that failed, the image still shows the edits set aside for it. A save writes the regions it marks,
// edits set aside included; those must not come back over the next read, while the set-aside edits of a region it
// did not write still do.
TEST_F(EditsAsideTest, ASaveDropsTheEditsAsideOfTheRegionsItWrote) {
  ++Record(0).hotkey;
  ++session.image().macro.records[0].macro_hotkey;
  const auto macro = BytesOfBlock(session.image().macro);
  session.MarkUnsaved(model::kUnsavedConfig | model::kUnsavedMacro);
  session.SetEditsAside();  // the read that followed failed

  ++Record(1).hotkey;
  session.MarkUnsaved(model::kUnsavedConfig);
  ASSERT_EQ(core::SaveChanges(session, host).outcome, core::SaveResult::Outcome::kSaved);
  const auto saved = BytesOfBlock(session.image().config);
  ASSERT_EQ(WrittenAt(model::kConfigBlockAddress), saved);
  EXPECT_TRUE(WrittenAt(model::kMacroBlockAddress).empty());

  ReadAgain();
  EXPECT_EQ(BytesOfBlock(session.image().config), saved) << "the earlier edit is not laid over the later save";
  EXPECT_EQ(BytesOfBlock(session.image().macro), macro);
  EXPECT_EQ(session.unsaved(), model::kUnsavedMacro);
}

}  // namespace
}  // namespace torvane::testing
