#include "model/params/DecimalField.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>

#include "model/params/IntegerField.h"

namespace torvane::model {
namespace {

// The number a field takes, or nothing.
template <typename T>
std::optional<int> Taken(ParsedField<T> parsed) {
  if (!parsed.ok()) return std::nullopt;
  return static_cast<int>(parsed.value);
}

// Switches the whole process locale for one test and restores it afterwards.
class ScopedLocale {
 public:
  // The first of `names` the C library knows (Linux and Windows name locales differently).
  explicit ScopedLocale(std::initializer_list<const char*> names) : saved_(std::setlocale(LC_ALL, nullptr)) {
    for (const char* name : names) {
      if (!active_) active_ = std::setlocale(LC_ALL, name) != nullptr;
    }
  }
  ~ScopedLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;
  bool active() const { return active_; }

 private:
  std::string saved_;
  bool active_ = false;
};

// printf's "% 5.<decimals>f" in the process locale.
std::string Printf(int decimals, double value) {
  char text[32];
  std::snprintf(text, sizeof text, "% 5.*f", decimals, value);
  return text;
}

TEST(HundredthsTest, EntriesBecomeStoredValues) {
  EXPECT_EQ(Taken(ParseHundredths("0.015")), 1);
  EXPECT_EQ(FormatHundredths(1), " 0.01");
  EXPECT_EQ(Taken(ParseHundredths("0.01")), 1);
  EXPECT_EQ(Taken(ParseHundredths("0.29")), 29);  // just below 0.29 in binary
  EXPECT_EQ(Taken(ParseHundredths("1")), 100);
  EXPECT_EQ(Taken(ParseHundredths(" 2.00 ")), 200);  // as the field shows it
  EXPECT_EQ(Taken(ParseHundredths("+2.5")), 250);
  EXPECT_EQ(Taken(ParseHundredths(".5")), 50);
  EXPECT_EQ(Taken(ParseHundredths("50")), 5000);
  EXPECT_EQ(ParseHundredths("60").value_or(200), 200);
  EXPECT_EQ(FormatHundredths(5000), " 50.00");
  EXPECT_EQ(FormatHundredths(100), " 1.00");
  EXPECT_EQ(FormatHundredths(65535), " 655.35");
}

TEST(DecimalFieldTest, NotANumberIsToldApartFromOutOfRange) {
  const std::string too_large_for_a_double(400, '9');
  const std::string too_large_for_a_float(300, '9');
  const struct {
    const char* text;
    FieldStatus hundredths;
    FieldStatus tenths;
  } cases[] = {
      {"", FieldStatus::kBlank, FieldStatus::kBlank},
      {" \t ", FieldStatus::kBlank, FieldStatus::kBlank},
      {"abc", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {"1.5x", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {"1,5", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {"1.2.3", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {"--1", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {"+-1", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {"5-", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {".", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {"nan", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {"-inf", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {"infinity", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {"0x10", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {"1e2", FieldStatus::kNotANumber, FieldStatus::kNotANumber},
      {"50.01", FieldStatus::kOutOfRange, FieldStatus::kValue},
      {"0.005", FieldStatus::kOutOfRange, FieldStatus::kValue},
      {"0", FieldStatus::kOutOfRange, FieldStatus::kValue},
      {"-1", FieldStatus::kOutOfRange, FieldStatus::kValue},
      {"-100.01", FieldStatus::kOutOfRange, FieldStatus::kOutOfRange},
      {"100.1", FieldStatus::kOutOfRange, FieldStatus::kOutOfRange},
      {"99999999999999999999999999", FieldStatus::kOutOfRange, FieldStatus::kOutOfRange},
      {too_large_for_a_double.c_str(), FieldStatus::kOutOfRange, FieldStatus::kOutOfRange},
      {too_large_for_a_float.c_str(), FieldStatus::kOutOfRange, FieldStatus::kOutOfRange},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseHundredths(c.text).status, c.hundredths) << '"' << c.text << '"';
    EXPECT_EQ(ParseTenths(c.text).status, c.tenths) << '"' << c.text << '"';
  }
}

// The field shows the typed tenths rounded as printf rounds the single-precision quotient, and stands for the
// tenths it shows.
TEST(TenthsTest, EntriesShowAndStandForTheRoundedTenth) {
  const struct {
    const char* typed;
    const char* shown;
    int tenths;
  } cases[] = {
      {"12.36", " 12.4", 124}, {"-0.05", " -0.1", -1},      {"0.39", "  0.4", 4},      {"0.25", "  0.2", 2},
      {"12.35", " 12.4", 124}, {"0.3", "  0.3", 3},         {"-0.7", " -0.7", -7},     {"-0.03", " -0.0", 0},
      {"100", " 100.0", 1000}, {"-100.0", "-100.0", -1000}, {"99.99", " 100.0", 1000},
  };
  for (const auto& c : cases) {
    const ParsedField<ShownTenths> parsed = ParseTenths(c.typed);
    ASSERT_TRUE(parsed.ok()) << c.typed;
    EXPECT_EQ(parsed.value.text, c.shown) << c.typed;
    EXPECT_EQ(parsed.value.value, c.tenths) << c.typed;
  }
  EXPECT_EQ(FormatTenths(-1000), "-100.0");
  EXPECT_EQ(FormatTenths(0), "  0.0");
  EXPECT_EQ(FormatTenths(55), "  5.5");
}

// Leaving a field again changes nothing, for every value it can show.
TEST(TenthsTest, ShownTextsReadBackToThemselves) {
  for (int v = kMinTenths; v <= kMaxTenths; ++v) {
    const std::string text = FormatTenths(static_cast<std::int16_t>(v));
    const ParsedField<ShownTenths> parsed = ParseTenths(text);
    ASSERT_TRUE(parsed.ok()) << v;
    ASSERT_EQ(parsed.value.value, v);
    ASSERT_EQ(parsed.value.text, text);
  }
}

TEST(DecimalFieldTest, FormatsMatchTheCLocalePrintfForEveryValue) {
  const ScopedLocale c_locale({"C"});
  ASSERT_TRUE(c_locale.active());
  for (int v = 0; v <= std::numeric_limits<std::uint16_t>::max(); ++v) {
    ASSERT_EQ(FormatHundredths(static_cast<std::uint16_t>(v)), Printf(2, v / 100.0)) << v;
  }
  for (int v = std::numeric_limits<std::int16_t>::min(); v <= std::numeric_limits<std::int16_t>::max(); ++v) {
    ASSERT_EQ(FormatTenths(static_cast<std::int16_t>(v)), Printf(1, v / 10.0)) << v;
  }
}

TEST(TenthsTest, ShownTextIsPrintfOfTheSinglePrecisionQuotient) {
  const ScopedLocale c_locale({"C"});
  ASSERT_TRUE(c_locale.active());
  for (int k = -10000; k <= 10000; ++k) {
    char typed[16];
    std::snprintf(typed, sizeof typed, "%.2f", k / 100.0);
    const float t = static_cast<float>(std::strtod(typed, nullptr) * 10.0);
    ASSERT_EQ(ParseTenths(typed).value.text, Printf(1, static_cast<double>(t / 10.0f))) << typed;
  }
}

TEST(DecimalFieldTest, TextsKeepTheDecimalPointUnderACommaLocale) {
  const ScopedLocale german({"de_DE.UTF-8", "de-DE", "German_Germany.1252"});
  if (!german.active()) {
    FAIL() << "the locale de_DE.UTF-8 is not installed; run scripts/setup-debian.sh as root to generate it";
  }
  // The locale really writes a comma, so the checks below mean something.
  ASSERT_EQ(Printf(2, 1.0), " 1,00");
  EXPECT_EQ(FormatHundredths(100), " 1.00");
  EXPECT_EQ(FormatTenths(-1000), "-100.0");
  EXPECT_EQ(Taken(ParseHundredths(FormatHundredths(4321))), 4321);
  EXPECT_EQ(ParseTenths(FormatTenths(-25)).value.value, -25);
  EXPECT_EQ(ParseHundredths("1,00").status, FieldStatus::kNotANumber);
}

TEST(IntegerFieldTest, WholeNumbersInsideTheRange) {
  EXPECT_EQ(Taken(ParseInteger("16", kStickDeadzoneRange)), 16);
  EXPECT_EQ(Taken(ParseInteger(" 127 ", kStickDeadzoneRange)), 127);
  EXPECT_EQ(Taken(ParseInteger("+5", kForceFeedbackRange)), 5);
  EXPECT_EQ(Taken(ParseInteger("40", kSteeringAngleRange)), 40);
  EXPECT_EQ(Taken(ParseInteger("6000", kAdsDelayRange)), 6000);
  for (const char* text : {"", "  "}) {
    EXPECT_EQ(ParseInteger(text, kStickDeadzoneRange).status, FieldStatus::kBlank) << '"' << text << '"';
  }
  for (const char* text : {"12a", "1.5", "+-3", "+", "-", "0x10"}) {
    EXPECT_EQ(ParseInteger(text, kStickDeadzoneRange).status, FieldStatus::kNotANumber) << '"' << text << '"';
  }
  for (const char* text : {"0", "128", "-1", "99999999999999999999"}) {
    EXPECT_EQ(ParseInteger(text, kStickDeadzoneRange).status, FieldStatus::kOutOfRange) << '"' << text << '"';
  }
  EXPECT_EQ(ParseInteger("35", kSteeringAngleRange).status, FieldStatus::kOutOfRange);
  EXPECT_EQ(FormatInteger(-56), "-56");
}

}  // namespace
}  // namespace torvane::model
