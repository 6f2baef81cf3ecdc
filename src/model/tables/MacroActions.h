#pragma once

#include <string>
#include <string_view>

#include "model/FlashImage.h"

namespace torvane::model {

// How a change to the macro table ended; the UI picks the message.
enum class MacroOutcome {
  kDone,
  kNotFound,    // the source macro does not exist
  kNoFreeName,  // every candidate name is taken
  kTableFull,   // 30 macros in use
};

struct MacroActionResult {
  MacroOutcome outcome = MacroOutcome::kNotFound;
  int slot = -1;  // slot of the new macro
};

// Adds an empty macro to the configuration `owner`, named "New Macro" or the
// first free "New Macro(n)", n = 1..30.
MacroActionResult NewMacro(MacroBlock& block, const ConfigRecord& owner);

// Copies the owner's macro `source_name` without its hotkey, named "<name>(n)"
// with the first free n = 1..30; the name is shortened so the suffix always fits.
MacroActionResult CopyMacro(MacroBlock& block, const ConfigRecord& owner, std::string_view source_name);

// The message shown for an outcome; empty when none is shown.
std::string MacroOutcomeMessage(MacroOutcome outcome);

}  // namespace torvane::model
