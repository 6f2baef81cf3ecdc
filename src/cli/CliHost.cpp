#include "cli/CliHost.h"

#include <filesystem>
#include <system_error>

#include "cli/AdapterLink.h"
#include "cli/Output.h"
#include "cli/Prompter.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/SuggestedFileName.h"
#include "platform/Utf8Path.h"

namespace torvane::cli {

namespace {

const char* ProgressLabel(core::WriteKind kind) {
  switch (kind) {
    case core::WriteKind::kSave:
      return "Writing";
    case core::WriteKind::kUpgradeFirmware:
      return "Upgrading";
    case core::WriteKind::kRestoreConfiguration:
    case core::WriteKind::kRestoreAll:
      break;
  }
  return "Restoring";
}

}  // namespace

int CliHost::Ask(std::string_view title, std::string_view text, core::Buttons buttons) {
  if (buttons == core::Buttons::kOk) {
    output_.Message(title, text);
    return core::kAnswerOk;
  }
  const bool yes = prompter_.Ask(title, text);
  if (buttons == core::Buttons::kOkCancel) return yes ? core::kAnswerOk : core::kAnswerCancel;
  return yes ? core::kAnswerYes : core::kAnswerNo;
}

void CliHost::Tell(std::string_view title, std::string_view text, core::Tone tone) {
  if (tone == core::Tone::kFailure) {
    output_.Error(title, text);
  } else {
    output_.Message(title, text);
  }
}

core::WriteResult CliHost::RunWrite(const device::WritePlan& plan, core::WriteKind kind) {
  return link_.Write(plan, ProgressLabel(kind));
}

std::optional<std::string> CliHost::ChooseFileToOpen(std::string_view /*title*/, model::ExchangeKind /*kind*/) {
  return file_;
}

std::optional<std::string> CliHost::ChooseFileToSave(std::string_view title, std::string_view suggested_name,
                                                     model::ExchangeKind kind) {
  output_.data()["suggested_name"] = model::WithExtension(suggested_name, kind);
  const std::string path = model::WithExtension(file_, kind);
  std::error_code error;
  const std::filesystem::path target = platform::PathFromUtf8(path);
  if (std::filesystem::exists(std::filesystem::symlink_status(target, error))) {
    const std::string name = platform::Utf8FromPath(target.filename());
    if (!prompter_.Ask(title, model::ReplaceFileQuestion(name))) return std::nullopt;
  }
  output_.data()["file"] = path;
  return path;
}

}  // namespace torvane::cli
