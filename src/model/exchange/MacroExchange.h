#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "model/FlashImage.h"
#include "model/exchange/ExchangeFiles.h"
#include "model/exchange/ExchangeResult.h"
#include "model/exchange/ImportCallbacks.h"

namespace torvane::model {

// The file image of a macro, digest included; nothing when MD5 is unavailable.
std::optional<MacroFile> BuildMacroFile(const MacroRecord& record);

// Appends the macro of a file's bytes to the macro table as a macro of
// `owner`, the configuration being edited, in the fixed order of checks;
// `confirm` is asked, between the digest and the version checks, when the
// macro's hotkey is taken. The image changes only when the result is kOk.
ExchangeResult ImportMacroFile(FlashImage& image, const ConfigRecord& owner, std::span<const std::uint8_t> file,
                               const ConfirmOccupiedFn& confirm);

}  // namespace torvane::model
