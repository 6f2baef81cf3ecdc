#include "cli/AdapterUse.h"

#include "cli/CliTexts.h"
#include "cli/ExitCodes.h"
#include "core/AdapterChecks.h"
#include "core/SaveFlow.h"
#include "device/AdapterTexts.h"
#include "device/CompatibilityRules.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/TableMessages.h"
#include "platform/NarrowText.h"
#include "platform/Terminal.h"

namespace torvane::cli {

int ReadAdapter(CommandContext& context, bool accept_old_generation, std::uint32_t* old_generation) {
  bool found = false;
  if (const int error = context.link.Connect(found); !found) {
    context.output.Error(kNoAdapterTitle, kNoAdapterText);
    return kExitNoAdapter;
  } else if (error != 0) {
    context.output.Error(device::kUsbErrorTitle, device::WorkerStartFailedText(error));
    return kExitDeviceFailed;
  }
  const AdapterLink::Read read = context.link.ReadAdapter();
  if (!read.read || !read.read->image) {
    context.output.Error(device::kUsbErrorTitle, device::UsbErrorText(read.failure));
    return kExitDeviceFailed;
  }
  if (old_generation) *old_generation = read.old_generation;
  if (read.old_generation == 0) {
    context.session.TakeRead(*read.read->image, read.read->run_status);
    return kExitOk;
  }
  // Only the information block was read: it is not taken as what the adapter holds.
  context.session.image().info = read.read->image->info;
  context.session.run_status() = read.read->run_status;
  if (accept_old_generation) return kExitOk;
  context.output.Error(device::kErrorTitle, read.old_generation == device::kIncompatibleUpgradable
                                                ? kIncompatibleUpgradableText
                                                : kIncompatibleText);
  return kExitAdapterState;
}

int ReadUsableAdapter(CommandContext& context) {
  if (const int code = ReadAdapter(context); code != kExitOk) return code;
  const core::CheckResult checked = core::RunAdapterChecks(context.session, context.host, core::Repairs::kRefuse);
  switch (checked.outcome) {
    case core::CheckResult::Outcome::kReady:
      return kExitOk;
    case core::CheckResult::Outcome::kNeedsRepair:
      context.output.Error(device::kErrorTitle, checked.text + "\n" + std::string(kRunUpgradeHint));
      return kExitAdapterState;
    case core::CheckResult::Outcome::kStopped:
    case core::CheckResult::Outcome::kExitProgram:
      break;
  }
  return kExitAdapterState;
}

int CurrentHost(const CommandContext& context) {
  return context.options.console ? *context.options.console : context.session.image().config.host;
}

std::string ShownName(std::string_view narrow) {
  return platform::NarrowToUtf8(narrow);
}

int FindNamedConfig(CommandContext& context, const std::string& name) {
  const int host = CurrentHost(context);
  const std::string narrow = platform::Utf8ToNarrow(platform::TerminalToUtf8(name));
  const int slot = model::FindConfigIndex(context.session.image().config, narrow, host);
  if (slot < 0) {
    Warn(context, "No configuration named \"" + platform::TerminalToUtf8(name) + "\" on " + ConsoleName(host) + ".");
  }
  return slot;
}

void Warn(CommandContext& context, const std::string& text) {
  context.output.Error(model::kTitleWarning, text);
}

int SaveChanges(CommandContext& context, unsigned unsaved) {
  context.session.MarkUnsaved(unsaved);
  return ExitCodeOf(core::SaveChanges(context.session, context.host).outcome);
}

}  // namespace torvane::cli
