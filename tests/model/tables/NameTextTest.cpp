#include "model/tables/NameText.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace torvane::model {
namespace {

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

TEST(NameTextTest, MultiByteCharactersCountOnceAndAreNeverSplit) {
  // "é" is two bytes, "€" three, "😀" four.
  std::array<char, 30> field{};
  StoreName(field, "éé€😀x", 4);
  EXPECT_EQ(ReadName(field), "éé€😀");

  // 20 two-byte characters need 40 bytes; a 30-byte field holds 14 of them
  // (28 bytes), not 14 and a half.
  std::string wide;
  for (int i = 0; i < 20; ++i) wide += "é";
  StoreName(field, wide, 28);
  EXPECT_EQ(ReadName(field).size(), 28u);
  EXPECT_EQ(ReadName(field), wide.substr(0, 28));

  std::array<char, 6> small{};
  StoreName(small, "ab€€", 10);  // 2 + 3 bytes fit in 5, the second € does not
  EXPECT_EQ(ReadName(small), "ab€");
  StoreName(small, "abcd😀", 10);  // a 4-byte character at byte 4 would need byte 7
  EXPECT_EQ(ReadName(small), "abcd");
}

TEST(NameTextTest, StrayBytesAndEmbeddedNulAreHandled) {
  std::array<char, 10> field{};
  // A lone continuation byte counts as one character; a lead byte without its
  // continuation too.
  const std::string stray{'\x80', 'a', '\xE2', 'b', 'c'};
  StoreName(field, stray, 3);
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
  EXPECT_EQ(CutName("€€€", 2, 39), "€€");
  EXPECT_EQ(CutName("€€€", 39, 8), "€€");
  EXPECT_EQ(CutName("", 5, 5), "");
  EXPECT_EQ(CutName("abc", 0, 5), "");
}

}  // namespace
}  // namespace torvane::model
