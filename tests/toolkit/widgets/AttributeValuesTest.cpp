#include "toolkit/AttributeValues.h"
#include "toolkit/CLabelUI.h"
#include "toolkit/NumericInput.h"
#include "toolkit/TListInfoUI.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace torvane::toolkit {
namespace {

TEST(AttributeValuesTest, ColoursReadAsArgbWithAnyPrefix) {
  EXPECT_EQ(ParseColor(u"#FF007DFF"), 0xFF007DFFu);
  EXPECT_EQ(ParseColor(u"0xFFFF0000"), 0xFFFF0000u);
  EXPECT_EQ(ParseColor(u" 80102030 "), 0x80102030u);
  EXPECT_EQ(ParseColor(u"#15181E"), 0xFF15181Eu);  // six digits: opaque
  EXPECT_FALSE(ParseColor(u"#GG0000FF"));
  EXPECT_FALSE(ParseColor(u"#FFF"));
  EXPECT_FALSE(ParseColor(u""));
}

TEST(AttributeValuesTest, LenientHexStopsAtTheFirstOtherCharacter) {
  EXPECT_EQ(ParseHexColor(u"  #FF007DFF"), 0xFF007DFFu);
  EXPECT_EQ(ParseHexColor(u"7DFFzz"), 0x7DFFu);
  EXPECT_EQ(ParseHexColor(u"#"), 0u);
  EXPECT_EQ(ParseHexColor(u"xyz"), 0u);
}

TEST(AttributeValuesTest, RectanglesSizesAndListsRejectJunkButFillMissingFields) {
  EXPECT_EQ(ParseMargins(u"10,0,0,0"), QMargins(10, 0, 0, 0));
  EXPECT_EQ(ParseMargins(u"3,2"), QMargins(3, 2, 0, 0));
  EXPECT_FALSE(ParseMargins(u"3,a,3,3"));
  EXPECT_FALSE(ParseMargins(u"1,2,3,4,5"));
  EXPECT_EQ(ParsePos(u"10,20,110,60"), QRect(10, 20, 100, 40));
  EXPECT_EQ(ParseSize(u"500,250"), QSize(500, 250));
  EXPECT_FALSE(ParseSize(u""));
  EXPECT_EQ(ParseBool(u"TRUE"), true);
  EXPECT_FALSE(ParseBool(u"yes"));
}

TEST(AttributeValuesTest, AttributeListsKeepOrderAndBothQuoteStylesAndDropAnUnterminatedValue) {
  const auto list = ParseAttributeList(u"textcolor=\"#FFE6E9EF\" text='a \"b\"' width = \"96\" bad=\"open");
  ASSERT_EQ(list.size(), 3);
  EXPECT_EQ(list[0].first, "textcolor");
  EXPECT_EQ(list[0].second, "#FFE6E9EF");
  EXPECT_EQ(list[1].second, "a \"b\"");
  EXPECT_EQ(list[2].first, "width");
  EXPECT_EQ(list[2].second, "96");
}

TEST(AttributeValuesTest, ListItemAttributesFollowTheirOwnParsingRules) {
  TListInfoUI info;
  EXPECT_EQ(info.selected_bk_color, 0xFFC1E3FFu);
  EXPECT_EQ(ApplyListInfoAttribute(info, "itemselectedbkcolor", "FF112233"), ListInfoChange::kRepaint);
  EXPECT_EQ(info.selected_bk_color, 0xFF112233u);
  // "center" is found after "left", so it wins.
  ApplyListInfoAttribute(info, "itemalign", "left center");
  EXPECT_EQ(info.align, Qt::AlignHCenter | Qt::AlignVCenter);
  EXPECT_EQ(ApplyListInfoAttribute(info, "itemtextpadding", "4,5"), ListInfoChange::kRelayout);
  EXPECT_EQ(info.text_padding, QMargins(4, 5, 0, 0));
  EXPECT_EQ(ApplyListInfoAttribute(info, "columns", "3"), ListInfoChange::kNone);
}

TEST(AttributeValuesTest, LabelAlignmentReadsWholeWordsAndKeepsTheOtherAxis) {
  const Qt::Alignment base = Qt::AlignLeft | Qt::AlignTop;
  const struct {
    const char* value;
    Qt::Alignment expected;
  } cases[] = {
      {"center", Qt::AlignHCenter | Qt::AlignTop},
      {"right,bottom", Qt::AlignRight | Qt::AlignBottom},
      {"  VCenter | right ", Qt::AlignRight | Qt::AlignVCenter},
      // "vcenter" is a word of its own, not "center" with a prefix.
      {"vcenter", Qt::AlignLeft | Qt::AlignVCenter},
      {"centered", base},
      {"", base},
      {"left2center", Qt::AlignHCenter | Qt::AlignTop},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CLabelUI::ParseAlign(QString::fromLatin1(c.value), base), c.expected) << c.value;
  }
}

// Text typed so far stands only while it can still grow into the field's range.
TEST(NumericInputTest, TypingCannotLeaveTheRangeButMayGrowTowardsIt) {
  const struct {
    std::optional<long long> min, max;
    std::vector<const char16_t*> accepted, refused;
  } ranges[] = {
      // "0" can never grow into 1..100, "101" is above it.
      {1, 100, {u"", u"1", u"100"}, {u"0", u"101", u"1000", u"05", u"-5", u"5a"}},
      // "4" leads to 40..49, "9" to 90..99 and 900, "1" to 100..199.
      {40, 900, {u"4", u"9", u"1"}, {u"901"}},
      // "3" leads only to 30..39 and 300 on, "9" to 90.
      {40, 90, {u"9"}, {u"3", u"91"}},
      {0, 127, {u"0"}, {u"00"}},
      // Without limits any digits up to a fixed length pass; an empty range accepts nothing.
      {std::nullopt, std::nullopt, {u"123456789"}, {u"1234567890123456789"}},
      {50, 10, {}, {u"12"}},
  };
  for (const auto& r : ranges) {
    for (const bool accepted : {true, false}) {
      for (const char16_t* text : accepted ? r.accepted : r.refused) {
        EXPECT_EQ(IsAcceptableNumberText(text, r.min, r.max), accepted)
            << QString::fromUtf16(text).toStdString() << " in " << r.min.value_or(-1) << ".." << r.max.value_or(-1);
      }
    }
  }
}

}  // namespace
}  // namespace torvane::toolkit
