// list and info: what is plugged in and what it holds.
#include <string>

#include "cli/AdapterUse.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/TextFields.h"
#include "device/AdapterCheck.h"
#include "device/AdapterTexts.h"
#include "device/CompatibilityRules.h"
#include "model/backup/BackupNames.h"

namespace torvane::cli {

namespace {

nlohmann::ordered_json BlockState(bool valid, bool current) {
  return {{"valid", valid}, {"current_format", current}};
}

std::string BlockLine(const char* name, bool valid, bool current) {
  return std::string(name) + (valid ? (current ? "valid" : "valid, older format") : "missing or damaged");
}

}  // namespace

int ListAdapters(CommandContext& context) {
  const std::vector<std::string> adapters = context.link.ListAdapters();
  context.output.data()["adapters"] = adapters;
  for (const std::string& adapter : adapters) context.output.Line(adapter);
  if (adapters.empty()) {
    context.output.Line("No adapter found.");
    return kExitNoAdapter;
  }
  return kExitOk;
}

int ShowInfo(CommandContext& context) {
  std::uint32_t old_generation = 0;
  if (const int code = ReadAdapter(context, true, &old_generation); code != kExitOk) return code;
  const model::FlashImage& image = context.session.image();
  const std::uint8_t mode = context.session.run_status().working_mode();
  nlohmann::ordered_json& data = context.output.data();
  data["serial"] = model::SerialFolderName(image.info.serial);
  data["hardware_version"] = VersionText(image.info.hardware_version);
  data["boot_loader_version"] = VersionText(image.info.boot_loader_version);
  data["working_mode"] = mode;
  context.output.Line("Serial number:       " + model::SerialFolderName(image.info.serial));
  context.output.Line("Hardware version:    " + VersionText(image.info.hardware_version));
  context.output.Line("Boot loader version: " + VersionText(image.info.boot_loader_version));
  context.output.Line("Working mode:        " + std::to_string(mode));
  if (old_generation != 0) {
    data["old_generation"] = true;
    data["upgradable_with_separate_tool"] = old_generation == device::kIncompatibleUpgradable;
    context.output.Line("Older adapter generation: this manager does not serve it.");
    return kExitOk;
  }
  data["old_generation"] = false;
  data["firmware_version"] = VersionText(image.boot.firmware_version);
  data["manager_version"] = VersionText(model::kManagerVersion);
  context.output.Line("Firmware version:    " + VersionText(image.boot.firmware_version) + " (this program carries " +
                      VersionText(model::kManagerVersion) + ")");
  data["blocks"] = {
      {"information", BlockState(model::IsValid(image.info), true)},
      {"boot", BlockState(device::FirmwarePresent(image.boot), device::FirmwareCurrent(image.boot))},
      {"macro", BlockState(model::IsValid(image.macro), model::HasCurrentFormat(image.macro))},
      {"configuration", BlockState(model::IsValid(image.config), model::HasCurrentFormat(image.config))},
      {"response", BlockState(model::IsValid(image.response), model::HasCurrentFormat(image.response))},
  };
  context.output.Line(BlockLine("Information block:   ", model::IsValid(image.info), true));
  context.output.Line(
      BlockLine("Firmware:            ", device::FirmwarePresent(image.boot), device::FirmwareCurrent(image.boot)));
  context.output.Line(
      BlockLine("Macro block:         ", model::IsValid(image.macro), model::HasCurrentFormat(image.macro)));
  context.output.Line(
      BlockLine("Configuration block: ", model::IsValid(image.config), model::HasCurrentFormat(image.config)));
  context.output.Line(
      BlockLine("Response block:      ", model::IsValid(image.response), model::HasCurrentFormat(image.response)));
  // What the manager would say when the adapter is clicked.
  const device::CheckStep step = device::AdapterCheck(image, mode).Next();
  const bool ready = step.action == device::CheckAction::kPruneAndShowHome;
  data["ready"] = ready;
  const std::string attention = step.text.empty() ? std::string(device::kFirmwareLostText) : step.text;
  if (!ready) data["attention"] = attention;
  context.output.Line(ready ? "Ready to use." : "Needs attention: " + Output::Plain(attention));
  return kExitOk;
}

}  // namespace torvane::cli
