#pragma once

#include <string>
#include <string_view>

#include "model/ConfigRecord.h"
#include "model/MacroRecord.h"
#include "model/exchange/ExchangeFiles.h"

namespace torvane::model {

// "(PS4)", "(XBOX ONE)", "(PS3)", "(XBOX 360)", "(SWITCH)"; empty for an unknown host.
std::string_view HostFileSuffix(int host);

// Names offered by the save dialog, no extension; narrow text like the record
// names, for the platform's narrow text codec to decode. A '/' becomes a blank
// in all of them, since no file name can hold it. Replacing single bytes is
// safe in every code page: no trail byte of a double-byte one is below 0x40.

// The configuration's name and its host's suffix, every ':' made a blank.
std::string SuggestedConfigFileName(const ConfigRecord& record);
// The macro's name and its host's suffix; ':' is kept.
std::string SuggestedMacroFileName(const MacroRecord& record);
// The configuration's name alone, every ':' made a blank.
std::string SuggestedCurveFileName(const ConfigRecord& record);

// `path` ending in the kind's extension (".vqc", ...): added unless it ends in it already, whatever the case. Only
// the kind's own extension counts, since the open dialog shows no other.
std::string WithExtension(std::string_view path, ExchangeKind kind);

}  // namespace torvane::model
