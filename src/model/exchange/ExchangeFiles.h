#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "model/ConfigRecord.h"
#include "model/MacroRecord.h"
#include "model/Version.h"
#include "model/exchange/Md5.h"

namespace torvane::model {

// The three exchange files are fixed-size byte images; a file of another size is not read.

// ".vqc": one configuration record.
struct ConfigFile {
  Version manager_version;
  Version config_format_version;
  Md5Digest digest;
  ConfigRecord record;
};

// ".vqm": one macro record.
struct MacroFile {
  Version manager_version;
  Version config_format_version;
  Version macro_format_version;
  Md5Digest digest;
  MacroRecord record;
};

// ".vql": both response curves as chart coordinates (200 minus the stored value).
struct CurveFile {
  Version curve_format_version;
  Md5Digest digest;
  Curve hip_chart;
  Curve ads_chart;
};

inline constexpr std::size_t kConfigFileSize = 864;
inline constexpr std::size_t kMacroFileSize = 568;
inline constexpr std::size_t kCurveFileSize = 61;

static_assert(sizeof(ConfigFile) == kConfigFileSize && std::is_trivially_copyable_v<ConfigFile>);
static_assert(offsetof(ConfigFile, config_format_version) == 3);
static_assert(offsetof(ConfigFile, digest) == 6);
static_assert(offsetof(ConfigFile, record) == 22);

static_assert(sizeof(MacroFile) == kMacroFileSize && std::is_trivially_copyable_v<MacroFile>);
static_assert(offsetof(MacroFile, config_format_version) == 3);
static_assert(offsetof(MacroFile, macro_format_version) == 6);
static_assert(offsetof(MacroFile, digest) == 9);
static_assert(offsetof(MacroFile, record) == 25);

static_assert(sizeof(CurveFile) == kCurveFileSize && std::is_trivially_copyable_v<CurveFile>);
static_assert(offsetof(CurveFile, digest) == 3);
static_assert(offsetof(CurveFile, hip_chart) == 19);
static_assert(offsetof(CurveFile, ads_chart) == 40);

// File kinds, as the open and save dialogs know them.
enum class ExchangeKind : int { kConfig = 0, kMacro = 1, kCurve = 2 };

struct ExchangeFileType {
  std::string_view filter_name;  // shown in the dialog
  std::string_view pattern;
  std::string_view extension;  // appended when the player types none
  std::size_t size;
};

inline constexpr std::array<ExchangeFileType, 3> kExchangeFileTypes{{
    {"vqc(*.vqc)", "*.vqc", "vqc", kConfigFileSize},
    {"vqm(*.vqm)", "*.vqm", "vqm", kMacroFileSize},
    {"vql(*.vql)", "*.vql", "vql", kCurveFileSize},
}};

constexpr const ExchangeFileType& FileType(ExchangeKind kind) {
  return kExchangeFileTypes[static_cast<std::size_t>(kind)];
}

}  // namespace torvane::model
