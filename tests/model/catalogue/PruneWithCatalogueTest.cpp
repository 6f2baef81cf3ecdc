#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/catalogue/PruneWithCatalogue.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"

namespace torvane::model {
namespace {

class PruneWithCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto defaults = MakeDefaultImages();
    ResetDefaultImages(*defaults);
    RestoreDefaultRegions(*image, *defaults);
  }

  // A configuration made from the catalogue, then moved to `host` and `game_id`
  // as a record read from an adapter may be.
  void Add(std::string_view name, int host, int game_id) {
    ConfigRecord record = Catalogue(kHostPS4).back();
    StoreName(record.name, name, kNewConfigNameChars);
    record.set_host_type(host);
    record.game_id = static_cast<std::uint8_t>(game_id);
    ASSERT_TRUE(AddConfig(*image, record, DefaultResponseRecord(record.curve_id)));
  }

  void AddMacroFor(std::string_view owner, int host) {
    MacroRecord macro{};
    macro.host = static_cast<std::uint8_t>(host);
    StoreName(macro.macro_name, "burst", kMacroNameChars);
    StoreName(macro.owner_name, owner, kNewConfigNameChars);
    ASSERT_TRUE(AddMacro(image->macro, macro));
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < UsedConfigCount(image->config); ++i)
      names.emplace_back(ReadName(image->config.records[i].name));
    return names;
  }

  std::unique_ptr<FlashImage> image = MakeFlashImage();
};

TEST_F(PruneWithCatalogueTest, KnownGamesStayAndNothingIsReported) {
  Add("Ghosts", kHostPS4, 0);
  Add("Doom", kHostSwitch, 92);
  Add("Halo", kHostXbox360, 7);
  EXPECT_FALSE(PruneUnknownGames(*image));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Ghosts", "Doom", "Halo"}));
}

TEST_F(PruneWithCatalogueTest, AdjacentUnknownGamesGoWithTheirMacrosAndTheRestMovesUp) {
  Add("Ghosts", kHostPS4, 0);
  Add("Switch Doom", kHostPS4, 92);  // a Switch-only game on a PS4 record
  Add("Beyond", kHostPS4, 200);      // an id past the game table
  Add("Overwatch", kHostPS4, 64);
  AddMacroFor("Switch Doom", kHostPS4);
  AddMacroFor("Overwatch", kHostPS4);
  AddMacroFor("Beyond", kHostPS4);
  const ResponseRecord overwatch_response = image->response.records[3];

  EXPECT_TRUE(PruneUnknownGames(*image));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Ghosts", "Overwatch"}));
  EXPECT_EQ(std::memcmp(&image->response.records[1], &overwatch_response, sizeof(ResponseRecord)), 0);
  ASSERT_EQ(image->macro.count, 1);
  EXPECT_EQ(ReadName(image->macro.records[0].owner_name), "Overwatch");
}

TEST_F(PruneWithCatalogueTest, HostTypesWithoutACatalogueArePruned) {
  Add("Five", 5, kCustomGameId);
  Add("Ghosts", kHostPS4, 0);
  Add("Six", 6, kCustomGameId);
  Add("Seven", 7, 0);
  EXPECT_TRUE(PruneUnknownGames(*image));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Ghosts"}));
}

}  // namespace
}  // namespace torvane::model
