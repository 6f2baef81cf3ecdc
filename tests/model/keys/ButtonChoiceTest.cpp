#include "model/keys/ButtonChoice.h"

#include <gtest/gtest.h>

#include "model/HostType.h"
#include "model/keys/ControllerButton.h"

namespace torvane::model {
namespace {

// Every entry of every host's chooser stands for one position and that position shows the same entry again, so a
// dialog opened and confirmed leaves the buttons where they were.
TEST(ButtonChoiceTest, EntriesAndPositionsRoundTripOnEveryHost) {
  struct Case {
    int host;
    int count;
    std::optional<int> touch_entry;
    std::string_view last_name;
  };
  const Case cases[] = {
      {kHostPS4, 27, 14, "RS_Right"},           {kHostXboxOne, 26, std::nullopt, "RS_Right"},
      {kHostPS3, 26, std::nullopt, "RS_Right"}, {kHostXbox360, 26, std::nullopt, "RS_Right"},
      {kHostSwitch, 27, 14, "RS_Right"},        {7, 27, 14, "RS_Right"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.host);
    ASSERT_EQ(ButtonChoiceCount(c.host), c.count);
    EXPECT_EQ(ButtonChoiceName(c.host, c.count - 1), c.last_name);
    EXPECT_TRUE(ButtonChoiceName(c.host, c.count).empty());
    EXPECT_EQ(ButtonChoiceToPosition(c.host, c.count), 0);
    EXPECT_EQ(PositionToButtonChoice(c.host, kButtonTouch + 1), c.touch_entry);
    EXPECT_EQ(PositionToButtonChoice(c.host, kControllerButtonCount + 1), std::nullopt);
    for (int choice = 0; choice < c.count; ++choice) {
      const int position = ButtonChoiceToPosition(c.host, choice);
      EXPECT_EQ(PositionToButtonChoice(c.host, position), choice) << choice;
      EXPECT_FALSE(ButtonChoiceName(c.host, choice).empty()) << choice;
    }
  }
  // The Xbox One's Y is the PS4's triangle: controller button 14, position 15.
  EXPECT_EQ(ButtonChoiceName(kHostXboxOne, 14), "Y");
  EXPECT_EQ(ButtonChoiceToPosition(kHostXboxOne, 14), kButtonTriangle + 1);
}

}  // namespace
}  // namespace torvane::model
