#include "model/tables/NameText.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "TableFixtures.h"

namespace torvane::model {
namespace {

using fixtures::GbkText;
using fixtures::ScopedNarrowEncoding;

constexpr NarrowEncoding kUtf8{NarrowEncoding::kUtf8};
constexpr NarrowEncoding kGbk{936};

TEST(NameTextTest, ReadStopsAtTerminatorOrFieldEnd) {
  std::array<char, 8> field{'a', 'b', '\0', 'x', 'y', '\0', '\0', '\0'};
  EXPECT_EQ(ReadName(field), "ab");
  // No terminator: the whole field and not a byte more (ASan guards the bound).
  std::array<char, 8> full{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'};
  EXPECT_EQ(ReadName(full), "ABCDEFGH");
  std::array<char, 4> empty{};
  EXPECT_EQ(ReadName(empty), "");
}

TEST(NameTextTest, StoreCutsToCharactersAndKeepsTerminator) {
  std::array<char, 40> field{};
  field.fill('#');
  StoreName(field, "Fortnite", 39);
  EXPECT_EQ(ReadName(field), "Fortnite");
  for (std::size_t i = 8; i < field.size(); ++i) EXPECT_EQ(field[i], '\0') << "old byte left at " << i;

  // A 39-character name typed on the editing page keeps its first 38.
  const std::string name39(39, 'n');
  StoreName(field, name39, 38);
  EXPECT_EQ(ReadName(field), std::string(38, 'n'));

  // The character limit can never push the terminator out of the field.
  StoreName(field, std::string(60, 'z'), 100);
  EXPECT_EQ(ReadName(field).size(), 39u);
  EXPECT_EQ(field[39], '\0');
}

TEST(NameTextTest, WesternCodePageCountsEveryByte) {
  ASSERT_EQ(NarrowEncoding::Current().code_page(), 1252u);
  // "Café" in Windows-1252, and UTF-8 bytes read as two characters each.
  std::array<char, 6> field{};
  StoreName(field, "Caf\xE9!", 4);
  EXPECT_EQ(ReadName(field), "Caf\xE9");
  StoreName(field, "\xC3\xA9\xC3\xA9", 3);
  EXPECT_EQ(ReadName(field), "\xC3\xA9\xC3");
}

TEST(NameTextTest, DoubleByteCharactersCountOnceAndAreNeverSplit) {
  // 20 GBK characters need 40 bytes; "x" first puts the field's last byte
  // on a lead byte, so a 30-byte field holds "x" and 14 characters.
  std::array<char, 30> field{};
  StoreName(field, "x" + GbkText(20), 28, kGbk);
  EXPECT_EQ(ReadName(field), "x" + GbkText(14));
  StoreName(field, GbkText(20), 3, kGbk);
  EXPECT_EQ(ReadName(field), GbkText(3));

  // Trail bytes may look like ASCII ("\x81\x40"); a lead byte without its
  // trail counts on its own.
  EXPECT_EQ(CutName("\x81\x40\x81\x40", 1, 39, kGbk), "\x81\x40");
  EXPECT_EQ(CutName("ab\xD6", 3, 39, kGbk), "ab\xD6");

  // Shift-JIS: half-width katakana (0xA1..0xDF) are single bytes, 0xE0 leads.
  const NarrowEncoding sjis(932);
  EXPECT_EQ(CutName("\xB1\xB2\xE0\xA0z", 3, 39, sjis), "\xB1\xB2\xE0\xA0");
  EXPECT_EQ(CutName("\xB1\xB2\xE0\xA0z", 3, 3, sjis), "\xB1\xB2");
}

TEST(NameTextTest, CurrentEncodingIsTheDefault) {
  const ScopedNarrowEncoding chinese(936);
  std::array<char, 6> small{};
  StoreName(small, "ab" + GbkText(2), 10);  // 2 + 2 bytes fit in 5, not half a character more
  EXPECT_EQ(ReadName(small), "ab" + GbkText(1));
}

TEST(NameTextTest, Utf8CharactersCountOnceAndAreNeverSplit) {
  // "é" is two bytes, "€" three, "😀" four.
  std::array<char, 30> field{};
  StoreName(field, "éé€😀x", 4, kUtf8);
  EXPECT_EQ(ReadName(field), "éé€😀");

  std::array<char, 6> small{};
  StoreName(small, "ab€€", 10, kUtf8);  // 2 + 3 bytes fit in 5, the second € does not
  EXPECT_EQ(ReadName(small), "ab€");
  StoreName(small, "abcd😀", 10, kUtf8);  // a 4-byte character at byte 4 would need byte 7
  EXPECT_EQ(ReadName(small), "abcd");
}

TEST(NameTextTest, StrayBytesAndEmbeddedNulAreHandled) {
  std::array<char, 10> field{};
  // A lone continuation byte counts as one character; a lead byte without its
  // continuation too.
  const std::string stray{'\x80', 'a', '\xE2', 'b', 'c'};
  StoreName(field, stray, 3, kUtf8);
  EXPECT_EQ(ReadName(field), stray.substr(0, 3));
  StoreName(field, std::string_view("ab\0cd", 5), 10);
  EXPECT_EQ(ReadName(field), "ab");
  EXPECT_EQ(field[3], '\0');
}

TEST(NameTextTest, StoreAcceptsAViewOfTheFieldItself) {
  std::array<char, 12> field{};
  StoreName(field, "Battlefield", 11);
  StoreName(field, ReadName(field).substr(6), 11);
  EXPECT_EQ(ReadName(field), "field");
  StoreName(field, ReadName(field), 3);
  EXPECT_EQ(ReadName(field), "fie");
}

TEST(NameTextTest, CutHonoursBothLimits) {
  EXPECT_EQ(CutName("copy(1)abc", 39, 5), "copy(");
  EXPECT_EQ(CutName("€€€", 2, 39, kUtf8), "€€");
  EXPECT_EQ(CutName("€€€", 39, 8, kUtf8), "€€");
  EXPECT_EQ(CutName(GbkText(3), 39, 5, kGbk), GbkText(2));
  EXPECT_EQ(CutName("", 5, 5), "");
  EXPECT_EQ(CutName("abc", 0, 5), "");
}

}  // namespace
}  // namespace torvane::model
