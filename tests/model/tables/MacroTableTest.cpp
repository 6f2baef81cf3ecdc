#include "model/tables/MacroTable.h"

#include <gtest/gtest.h>

#include <string>

#include "TableFixtures.h"
#include "model/HostType.h"

namespace torvane::model {
namespace {

using namespace fixtures;

class MacroTableTest : public ::testing::Test {
 protected:
  std::unique_ptr<FlashImage> image = MakeDefaultImage();
  MacroBlock& block = image->macro;
};

TEST_F(MacroTableTest, TableHoldsThirtyWhoeverOwnsThem) {
  for (int i = 0; i < 30; ++i) ASSERT_TRUE(AddMacro(block, MakeMacro("Busy", "m" + std::to_string(i), kHostPS4)));
  EXPECT_FALSE(AddMacro(block, MakeMacro("Empty", "New Macro", kHostSwitch)));
  EXPECT_EQ(block.count, 30);
  EXPECT_EQ(NameOf(block, 29), "m29");
}

TEST_F(MacroTableTest, IdentityIsHostOwnerAndName) {
  AppendMacro(*image, MakeMacro("Halo", "New Macro", kHostXboxOne));
  AppendMacro(*image, MakeMacro("Forza", "New Macro", kHostXboxOne));
  AppendMacro(*image, MakeMacro("Halo", "New Macro", kHostXbox360));
  EXPECT_EQ(FindMacroIndex(block, "Halo", "New Macro", kHostXboxOne), 0);
  EXPECT_EQ(FindMacroIndex(block, "Forza", "New Macro", kHostXboxOne), 1);
  EXPECT_EQ(FindMacroIndex(block, "Halo", "New Macro", kHostXbox360), 2);
  EXPECT_EQ(FindMacroIndex(block, "Halo", "New macro", kHostXboxOne), -1);
  EXPECT_EQ(FindMacro(block, "Forza", "New Macro", kHostXboxOne), &block.records[1]);
  EXPECT_EQ(FindMacro(block, "Forza", "New Macro", kHostPS4), nullptr);
}

TEST_F(MacroTableTest, DeleteOneMovesLaterRecordsDown) {
  AppendMacro(*image, MakeMacro("Halo", "A", kHostXboxOne));
  AppendMacro(*image, MakeMacro("Halo", "B", kHostXboxOne));
  AppendMacro(*image, MakeMacro("Halo", "C", kHostXboxOne));
  EXPECT_FALSE(DeleteMacro(block, kHostPS4, "A", "Halo"));
  ASSERT_TRUE(DeleteMacro(block, kHostXboxOne, "A", "Halo"));
  EXPECT_EQ(block.count, 2);
  EXPECT_EQ(NameOf(block, 0), "B");
  EXPECT_EQ(NameOf(block, 1), "C");
}

TEST_F(MacroTableTest, DeleteAllOfAnOwnerKeepsTheOthersInOrder) {
  AppendMacro(*image, MakeMacro("Halo", "h1", kHostXboxOne));
  AppendMacro(*image, MakeMacro("Forza", "f1", kHostXboxOne));
  AppendMacro(*image, MakeMacro("Halo", "h2", kHostXboxOne));
  AppendMacro(*image, MakeMacro("Halo", "other host", kHostPS4));
  AppendMacro(*image, MakeMacro("Forza", "f2", kHostXboxOne));
  AppendMacro(*image, MakeMacro("Halo", "h3", kHostXboxOne));
  AppendMacro(*image, MakeMacro("Halo 2", "f3", kHostXboxOne));

  EXPECT_EQ(DeleteMacrosOf(block, "Halo", kHostXboxOne), 3);
  ASSERT_EQ(block.count, 4);
  EXPECT_EQ(NameOf(block, 0), "f1");
  EXPECT_EQ(NameOf(block, 1), "other host");
  EXPECT_EQ(NameOf(block, 2), "f2");
  EXPECT_EQ(NameOf(block, 3), "f3");
  EXPECT_EQ(DeleteMacrosOf(block, "Halo", kHostXboxOne), 0);
  EXPECT_EQ(block.count, 4);
}

TEST_F(MacroTableTest, RenameOwnerMovesOnlyThatConfigurationsMacros) {
  AppendMacro(*image, MakeMacro("Halo", "A", kHostXboxOne));
  AppendMacro(*image, MakeMacro("Halo", "B", kHostXbox360));
  AppendMacro(*image, MakeMacro("Halo", "C", kHostXboxOne));
  block.records[0].owner_name.fill('x');  // old bytes behind the new name must go
  block.records[0].owner_name[4] = '\0';
  std::copy_n("Halo", 4, block.records[0].owner_name.begin());

  EXPECT_EQ(RenameOwner(block, kHostXboxOne, "Halo", "Halo Infinite"), 2);
  EXPECT_EQ(FindMacroIndex(block, "Halo Infinite", "A", kHostXboxOne), 0);
  EXPECT_EQ(FindMacroIndex(block, "Halo Infinite", "C", kHostXboxOne), 2);
  EXPECT_EQ(FindMacroIndex(block, "Halo", "B", kHostXbox360), 1);
  for (std::size_t i = 13; i < 40; ++i) EXPECT_EQ(block.records[0].owner_name[i], '\0') << i;
}

}  // namespace
}  // namespace torvane::model
