#include "core/exchange/ExchangeReport.h"

#include "core/Host.h"
#include "model/exchange/ExchangeMessages.h"

namespace torvane::core {

namespace {

void TellUnlessEmpty(Host& host, std::string_view title, const std::string& text, Tone tone) {
  if (!text.empty()) host.Tell(title, text, tone);
}

}  // namespace

ExchangeOutcome ReportExport(Host& host, std::string_view title, const FileOutcome& written, bool tell_success) {
  const bool done = written.code == model::kFileDone;
  if (!done || tell_success) {
    TellUnlessEmpty(host, title, model::ExportMessage(written.code, written.system_error),
                    done ? Tone::kInformation : Tone::kFailure);
  }
  if (done) return ExchangeOutcome::kDone;
  return written.code == model::kFileCancelled ? ExchangeOutcome::kCancelled : ExchangeOutcome::kRefused;
}

ExchangeOutcome ReportReadFailure(Host& host, model::ExchangeKind kind, const FileOutcome& read) {
  TellUnlessEmpty(host, model::ImportTitle(kind), model::ReadFailureMessage(kind, read.code, read.system_error),
                  Tone::kFailure);
  return read.code == model::kFileCancelled ? ExchangeOutcome::kCancelled : ExchangeOutcome::kRefused;
}

ExchangeOutcome ReportImport(Host& host, model::ExchangeKind kind, model::ExchangeResult result) {
  switch (result) {
    case model::ExchangeResult::kOk:
      return ExchangeOutcome::kDone;
    case model::ExchangeResult::kIgnored:
      return ExchangeOutcome::kNoConsole;
    case model::ExchangeResult::kDeclined:
      return ExchangeOutcome::kDeclined;
    default:
      TellUnlessEmpty(host, model::ImportTitle(kind), model::ImportMessage(kind, result), Tone::kFailure);
      return ExchangeOutcome::kRefused;
  }
}

bool ConfirmOccupiedKey(Host& host, std::string_view title, std::uint8_t key_code) {
  // Only a No keeps the key's owner, as the key buttons' own question does.
  return host.Ask(title, model::OccupiedKeyQuestion(key_code), Buttons::kYesNo) != kAnswerNo;
}

}  // namespace torvane::core
