#include "platform/NarrowText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/tables/NameText.h"

namespace torvane::platform {
namespace {

// The system's codec, as the program picks it.
std::unique_ptr<NarrowTextCodec> Codec(unsigned code_page) {
  auto codec = CreateNarrowTextCodec(code_page);
  if (!codec) ADD_FAILURE() << "the system has no converter for code page " << code_page;
  return codec;
}

TEST(NarrowTextCodecTest, TextRoundTripsThroughTheCodePage) {
  const struct {
    unsigned code_page;
    const char* text;   // UTF-8
    const char* bytes;  // as stored
  } cases[] = {
      {1252, "Café", "Caf\xE9"},
      {1252, "€ 5", "\x80 5"},
      {936, "中文名", "\xD6\xD0\xCE\xC4\xC3\xFB"},
      {950, "中文", "\xA4\xA4\xA4\xE5"},
      {932, "日本ｱ", "\x93\xFA\x96\x7B\xB1"},
      {1251, "Привет", "\xCF\xF0\xE8\xE2\xE5\xF2"},
      {65001, "Café", "Caf\xC3\xA9"},
  };
  for (const auto& c : cases) {
    const auto codec = Codec(c.code_page);
    if (!codec) continue;
    EXPECT_EQ(codec->Encode(c.text), c.bytes) << c.code_page << ' ' << c.text;
    EXPECT_EQ(codec->Decode(c.bytes), c.text) << c.code_page << ' ' << c.text;
    EXPECT_EQ(codec->encoding().code_page(), c.code_page);
  }
}

TEST(NarrowTextCodecTest, CharactersTheCodePageLacksBecomeQuestionMarks) {
  const auto western = Codec(1252);
  const auto chinese = Codec(936);
  ASSERT_TRUE(western && chinese);
  // One '?' per character, also for one outside the 16-bit range, and per byte that is no UTF-8.
  EXPECT_EQ(western->Encode("a中b😀c"), "a?b?c");
  EXPECT_EQ(chinese->Encode("名😀字"), "\xC3\xFB?\xD7\xD6");
  EXPECT_EQ(western->Encode("x\xFFy"), "x?y");
  EXPECT_EQ(western->Encode("x\xE4"), "x?");  // a character cut off at the end
  EXPECT_EQ(western->Encode(""), "");

  // Bytes that are no character come out as U+FFFD and do not stop the rest.
  EXPECT_EQ(chinese->Decode("\xD6\xD0\xD6"), "中\uFFFD");
#if defined(__linux__)
  // Windows' own table gives 0xFF a private-use character of its own.
  EXPECT_EQ(chinese->Decode("\xFF"
                            "a"),
            "\uFFFD"
            "a");
#endif
}

TEST(NarrowTextCodecTest, EncodedNamesAreCutAtCharacterBoundaries) {
  const auto chinese = Codec(936);
  ASSERT_TRUE(chinese);
  const std::string stored = chinese->Encode("a名字很长");
  // 6 bytes end inside the third character; the cut keeps "a" and two.
  const std::string_view cut = model::CutName(stored, 39, 6, chinese->encoding());
  EXPECT_EQ(chinese->Decode(cut), "a名字");
  EXPECT_EQ(model::CutName(stored, 2, 39, chinese->encoding()), stored.substr(0, 3));
}

}  // namespace
}  // namespace torvane::platform
