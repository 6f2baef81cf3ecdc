#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "model/catalogue/GameCatalogue.h"

namespace torvane::model {
namespace {

TEST(GameInfoTest, TitlesKeepTheSystemsOwnSpelling) {
  EXPECT_EQ(GameTitle(18), "Custom Game");
  EXPECT_EQ(GameTitle(20), "Dead Rising3");
  EXPECT_EQ(GameTitle(47), "Halo 4");
  EXPECT_EQ(GameTitle(7), "HALO 4");
  EXPECT_EQ(GameTitle(61), "Need For Speed: 19");
  EXPECT_EQ(GameTitle(90), "Expert Mode Beta");
  EXPECT_EQ(GameTitle(102), "Minecraft: NS Edition");
  EXPECT_EQ(GameTitle(127), "Plants vs. Zombies: Battle for Neighborville");
  EXPECT_EQ(GameTitle(136), "Call Of Duty: Black Ops Cold War");
}

TEST(GameInfoTest, IdsOutsideTheTableGiveEmptyText) {
  for (int id : {-1, 137, 255, 1000}) {
    EXPECT_TRUE(GameTitle(id).empty()) << id;
    EXPECT_TRUE(GameImage(id).empty()) << id;
    EXPECT_TRUE(GameSettingsText(id).empty()) << id;
  }
}

// The title without the characters a file name cannot hold, plus ".png".
std::string ImageFromTitle(std::string_view title) {
  std::string name;
  for (char c : title) {
    if (std::string_view("\\/:*?\"<>|").find(c) == std::string_view::npos) name += c;
  }
  return name + ".png";
}

TEST(GameInfoTest, ImagesFollowTheTitleExceptTheFourNamedOnes) {
  const std::map<int, std::string_view> named = {
      {18, "Custom Game.png"}, {63, "DOOM.png"}, {92, "DOOM_FOR_SWTICH.png"}, {90, "G920.png"}};
  std::map<std::string_view, std::string_view> title_of_image;
  for (int id = 0; id < kGameCount; ++id) {
    const std::string_view image = GameImage(id);
    SCOPED_TRACE("game " + std::to_string(id));
    if (const auto it = named.find(id); it != named.end()) {
      EXPECT_EQ(image, it->second);
    } else {
      EXPECT_EQ(image, ImageFromTitle(GameTitle(id)));
    }
    // Games share a picture only when they share a title.
    const auto [it, inserted] = title_of_image.emplace(image, GameTitle(id));
    if (!inserted) {
      EXPECT_EQ(it->second, GameTitle(id)) << image;
    }
  }
  EXPECT_EQ(GameImage(32), GameImage(46));   // Drive Club twice
  EXPECT_EQ(GameImage(26), GameImage(123));  // Minecraft
  EXPECT_NE(GameImage(63), GameImage(92));   // Doom, PS4/Xbox and Switch
}

TEST(GameInfoTest, SixtyFourGamesCarrySettingsTextsOfCrLfSeparatedLines) {
  int with_text = 0;
  for (int id = 0; id < kGameCount; ++id) {
    const std::string_view text = GameSettingsText(id);
    if (text.empty()) continue;
    ++with_text;
    SCOPED_TRACE(std::string(GameTitle(id)));
    // Every line break is CR LF, and no line is empty.
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n') {
        EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
      }
      if (text[i] == '\r') {
        EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
      }
    }
    EXPECT_EQ(text.find("\r\n\r\n"), std::string_view::npos);
    EXPECT_FALSE(text.starts_with("\r\n"));
    EXPECT_FALSE(text.ends_with("\r\n"));
  }
  EXPECT_EQ(with_text, 64);
  EXPECT_EQ(GameSettingsText(64),
            "Horizontal sensitivity = 100%\r\nVertical sensitivity = 100%\r\nAim Smoothing = 0%\r\n"
            "Aim technique = linear ramp");
  EXPECT_EQ(GameSettingsText(72), "Sensitivity = Insane (8)");
  EXPECT_TRUE(GameSettingsText(kCustomGameId).empty());
}

TEST(GameInfoTest, SettingsTextsAreForGamesAPlayerCanPick) {
  std::set<int> offered;
  for (int host = 0; host < 5; ++host) {
    for (const ConfigRecord& record : Catalogue(host)) offered.insert(record.game_id);
  }
  for (int id = 0; id < kGameCount; ++id) {
    if (!GameSettingsText(id).empty()) {
      EXPECT_TRUE(offered.contains(id)) << GameTitle(id);
    }
  }
}

}  // namespace
}  // namespace torvane::model
