#include "platform/linux/LocaleCodePage.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>

#include "platform/NarrowText.h"

namespace torvane::platform {

namespace {

struct LanguageCodePage {
  std::string_view language;
  unsigned code_page;
};

// Languages whose Windows ANSI code page is not 1252; Chinese and Serbian
// also depend on territory or script and are handled apart.
constexpr std::array<LanguageCodePage, 33> kLanguageCodePages{{
    {"ja", 932},  {"ko", 949},  {"th", 874},  {"vi", 1258},                                            //
    {"pl", 1250}, {"cs", 1250}, {"sk", 1250}, {"hu", 1250}, {"hr", 1250}, {"sl", 1250}, {"ro", 1250},  //
    {"bs", 1250}, {"sq", 1250},                                                                        //
    {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251}, {"mk", 1251}, {"kk", 1251}, {"ky", 1251},  //
    {"mn", 1251}, {"tt", 1251},                                                                        //
    {"el", 1253}, {"tr", 1254}, {"az", 1254}, {"he", 1255}, {"iw", 1255},                              //
    {"ar", 1256}, {"fa", 1256}, {"ur", 1256}, {"lt", 1257}, {"lv", 1257}, {"et", 1257},                //
}};

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  return lower;
}

}  // namespace

unsigned AnsiCodePageForLocale(std::string_view locale) {
  // language[_territory][.codeset][@modifier]
  const std::size_t at = locale.find('@');
  const std::string modifier = at == std::string_view::npos ? std::string() : Lower(locale.substr(at + 1));
  locale = locale.substr(0, std::min(locale.find('.'), at));
  const std::size_t underscore = locale.find('_');
  const std::string language = Lower(locale.substr(0, underscore));
  const std::string territory =
      underscore == std::string_view::npos ? std::string() : Lower(locale.substr(underscore + 1));

  if (language == "zh") {
    return territory == "tw" || territory == "hk" || territory == "mo" ? 950 : 936;
  }
  if (language == "sr") return modifier == "latin" ? 1250 : 1251;
  const auto found = std::find_if(kLanguageCodePages.begin(), kLanguageCodePages.end(),
                                  [&](const LanguageCodePage& entry) { return entry.language == language; });
  return found != kLanguageCodePages.end() ? found->code_page : model::NarrowEncoding::kWestern;
}

std::string UserCtypeLocale() {
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] != '\0') return value;
  }
  return "C";
}

}  // namespace torvane::platform
