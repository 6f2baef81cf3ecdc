#pragma once

namespace torvane::model {

// Outcome of reading an exchange file into the flash image; each failure has
// one message (ExchangeMessages.h), except the silent ones.
enum class ExchangeResult {
  kOk,
  kIgnored,            // no console selected; silent
  kDeclined,           // the player kept the occupied key's owner; silent
  kWrongSize,          // the file is not the format's size
  kVerifyFailed,       // digest mismatch
  kWrongConsole,       // made for another console
  kDuplicateConfig,    // a configuration of that name exists
  kDuplicateMacro,     // a macro of that name exists for the owner
  kNeedsNewerManager,  // newer format, or a game this catalogue lacks
  kNoFreeColor,
  kConfigTableFull,
  kMacroTableFull,
};

}  // namespace torvane::model
