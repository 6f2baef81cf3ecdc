#include "model/tables/PruneUnknownGames.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "TableFixtures.h"
#include "model/HostType.h"

namespace torvane::model {
namespace {

using namespace fixtures;

constexpr std::uint8_t kKnownGame = 1;
constexpr std::uint8_t kUnknownGame = 200;

class PruneUnknownGamesTest : public ::testing::Test {
 protected:
  std::unique_ptr<FlashImage> image = MakeDefaultImage();
  std::vector<std::pair<int, int>> asked;
  // Knows game 1 on every host; records every question.
  GameKnownFn known = [this](int host, int game_id) {
    asked.emplace_back(host, game_id);
    return game_id == kKnownGame;
  };
};

TEST_F(PruneUnknownGamesTest, NothingUnknownChangesNothing) {
  Append(*image, MakeRecord("A", kHostPS4, {}, kKnownGame));
  EXPECT_FALSE(PruneUnknownGames(*image, known));
  EXPECT_EQ(image->config.count, 1);
  EXPECT_FALSE(PruneUnknownGames(*MakeDefaultImage(), known));
}

TEST_F(PruneUnknownGamesTest, AdjacentUnknownGamesAreBothRemovedWithTheirMacros) {
  Append(*image, MakeRecord("Keep1", kHostPS4, {}, kKnownGame), 10);
  Append(*image, MakeRecord("Drop1", kHostPS4, {}, kUnknownGame), 20);
  Append(*image, MakeRecord("Drop2", kHostSwitch, {}, kUnknownGame), 30);
  Append(*image, MakeRecord("Keep2", kHostSwitch, {}, kKnownGame), 40);
  AppendMacro(*image, MakeMacro("Drop1", "m", kHostPS4));
  AppendMacro(*image, MakeMacro("Keep2", "m", kHostSwitch));
  AppendMacro(*image, MakeMacro("Drop2", "m", kHostSwitch));
  AppendMacro(*image, MakeMacro("Drop2", "m", kHostPS4));  // not Drop2's: other host

  EXPECT_TRUE(PruneUnknownGames(*image, known));
  ASSERT_EQ(image->config.count, 2);
  EXPECT_EQ(NameOf(image->config, 0), "Keep1");
  EXPECT_EQ(NameOf(image->config, 1), "Keep2");
  EXPECT_EQ(image->response.records[1].curve_id.get(), 40);
  ASSERT_EQ(image->macro.count, 2);
  EXPECT_EQ(ReadName(image->macro.records[0].owner_name), "Keep2");
  EXPECT_EQ(image->macro.records[1].host, kHostPS4);
}

TEST_F(PruneUnknownGamesTest, HostTypesWithoutCatalogueArePrunedUnasked) {
  Append(*image, MakeRecord("Five", 5, {}, kKnownGame));
  Append(*image, MakeRecord("Seven", 7, {}, kKnownGame));
  Append(*image, MakeRecord("Fine", kHostXbox360, {}, kKnownGame));
  EXPECT_TRUE(PruneUnknownGames(*image, known));
  ASSERT_EQ(image->config.count, 1);
  EXPECT_EQ(NameOf(image->config, 0), "Fine");
  for (const auto& [host, game] : asked) EXPECT_LT(host, kHostCount) << "asked about host " << host;
}

TEST_F(PruneUnknownGamesTest, ADuplicateNameDoesNotCostTheKnownRecord) {
  // Only a damaged table has two PS4 records of one name; the known one stays.
  Append(*image, MakeRecord("Twin", kHostPS4, {}, kKnownGame), 1);
  Append(*image, MakeRecord("Twin", kHostPS4, {}, kUnknownGame), 2);
  EXPECT_TRUE(PruneUnknownGames(*image, known));
  ASSERT_EQ(image->config.count, 1);
  EXPECT_EQ(image->config.records[0].game_id, kKnownGame);
  EXPECT_EQ(image->response.records[0].curve_id.get(), 1);
}

}  // namespace
}  // namespace torvane::model
