#include "platform/linux/LocaleCodePage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "model/tables/NarrowEncoding.h"
#include "platform/NarrowText.h"

namespace torvane::platform {
namespace {

TEST(LocaleCodePageTest, LanguageAndTerritoryChooseTheCodePage) {
  const struct {
    const char* locale;
    unsigned code_page;
  } cases[] = {
      {"C", 1252},           {"POSIX", 1252},       {"C.UTF-8", 1252},      {"", 1252},
      {"en_US.UTF-8", 1252}, {"de_DE@euro", 1252},  {"fr_FR", 1252},        {"pt_BR.utf8", 1252},
      {"zh_CN.UTF-8", 936},  {"zh_SG", 936},        {"zh_TW.UTF-8", 950},   {"zh_HK.big5hkscs", 950},
      {"ja_JP.eucJP", 932},  {"ko_KR.UTF-8", 949},  {"ru_RU.KOI8-R", 1251}, {"uk_UA", 1251},
      {"bg_BG", 1251},       {"sr_RS", 1251},       {"sr_RS@latin", 1250},  {"mk_MK", 1251},
      {"pl_PL.UTF-8", 1250}, {"cs_CZ", 1250},       {"hu_HU", 1250},        {"ro_RO", 1250},
      {"el_GR", 1253},       {"tr_TR.UTF-8", 1254}, {"he_IL", 1255},        {"ar_EG", 1256},
      {"fa_IR", 1256},       {"ur_PK", 1256},       {"lt_LT", 1257},        {"et_EE", 1257},
      {"vi_VN", 1258},       {"th_TH.UTF-8", 874},  {"ZH_tw", 950},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AnsiCodePageForLocale(c.locale), c.code_page) << '"' << c.locale << '"';
  }
}

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    ::setenv(name, value, 1);
  }
  ~ScopedEnvironment() {
    if (saved_) {
      ::setenv(name_, saved_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

TEST(LocaleCodePageTest, InstallingFollowsTheLocaleAndTellsTheModel) {
  const model::NarrowEncoding before = model::NarrowEncoding::Current();
  {
    const ScopedEnvironment lang("LANG", "ru_RU.UTF-8");
    const ScopedEnvironment ctype("LC_CTYPE", "zh_TW.UTF-8");  // wins over LANG
    const ScopedEnvironment all("LC_ALL", "");                 // empty: not set
    EXPECT_EQ(UserCtypeLocale(), "zh_TW.UTF-8");
    const NarrowTextCodec& codec = InstallNarrowTextCodec();
    EXPECT_EQ(codec.code_page(), 950u);
    EXPECT_EQ(&CurrentNarrowTextCodec(), &codec);
    EXPECT_EQ(model::NarrowEncoding::Current().code_page(), 950u);
    EXPECT_EQ(NarrowToUtf8("\xA4\xA4"), "中");
    EXPECT_EQ(Utf8ToNarrow("中"), "\xA4\xA4");
  }
  InstallNarrowTextCodec();  // back to the test's own locale
  model::NarrowEncoding::SetCurrent(before);
}

}  // namespace
}  // namespace torvane::platform
