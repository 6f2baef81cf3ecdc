#pragma once

#include <string>
#include <string_view>

#include "core/exchange/ExchangeFileIo.h"
#include "core/exchange/ExchangeOutcome.h"
#include "model/exchange/ExchangeResult.h"

namespace torvane::core {

class Host;

// Tells how an export's write went under `title` (nothing after a cancel, and a success only with
// `tell_success`) and what it leads to.
ExchangeOutcome ReportExport(Host& host, std::string_view title, const FileOutcome& written, bool tell_success = true);
// Tells why an import's read failed under the kind's title (nothing after a cancel) and what it leads to.
ExchangeOutcome ReportReadFailure(Host& host, model::ExchangeKind kind, const FileOutcome& read);
// Tells an import's result under the kind's title (nothing for the silent ones) and what it leads to.
ExchangeOutcome ReportImport(Host& host, model::ExchangeKind kind, model::ExchangeResult result);
// Asks under `title` whether to go on although `key_code` is taken; false only for No.
bool ConfirmOccupiedKey(Host& host, std::string_view title, std::uint8_t key_code);

}  // namespace torvane::core
