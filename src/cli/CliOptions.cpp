#include "cli/CliOptions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <sstream>
#include <string_view>

#include "cli/ExitCodes.h"
#include "emulator/Scenarios.h"

namespace torvane::cli {

namespace {

struct CommandEntry {
  std::string_view name;
  std::string_view arguments;  // as the help shows them
  std::size_t min_arguments;
  std::size_t max_arguments;
  std::string_view description;
};

constexpr std::array<CommandEntry, 14> kCommands{{
    {"list", "", 0, 0, "Lists the adapters found."},
    {"info", "", 0, 0, "Shows versions, serial number, working mode and the state of each flash block."},
    {"backup", "[FILE]", 0, 1, "Backs the adapter's settings up, into FILE or beside the manager's own backups."},
    {"restore", "FILE", 1, 1, "Writes the settings of a backup file back to the adapter."},
    {"backups", "", 0, 0, "Lists the stored backups, newest first, damaged ones marked."},
    {"configs", "", 0, 0, "Lists the configurations of a console with their macros."},
    {"export-config", "NAME FILE", 2, 2, "Exports the configuration NAME into FILE (.vqc)."},
    {"import-config", "FILE", 1, 1, "Imports the configuration in FILE and writes it to the adapter."},
    {"export-macro", "CONFIG MACRO FILE", 3, 3, "Exports the macro MACRO of configuration CONFIG into FILE (.vqm)."},
    {"import-macro", "CONFIG FILE", 2, 2, "Imports the macro in FILE into configuration CONFIG on the adapter."},
    {"export-curve", "CONFIG FILE", 2, 2, "Exports the response curves of configuration CONFIG into FILE (.vql)."},
    {"import-curve", "CONFIG FILE", 2, 2, "Makes the curves in FILE those of configuration CONFIG on the adapter."},
    {"upgrade", "", 0, 0, "Writes the firmware this program carries, or restores what the adapter lost."},
    {"restore-factory", "", 0, 0, "Restores the factory configuration: every configuration and macro is lost."},
}};

constexpr std::string_view kVirtualOption = "--virtual-adapter";

constexpr std::array<std::string_view, 5> kConsoleNames{"ps4", "xbox-one", "ps3", "xbox-360", "switch"};

const CommandEntry* FindCommand(std::string_view name) {
  const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                  [name](const CommandEntry& entry) { return entry.name == name; });
  return found == kCommands.end() ? nullptr : &*found;
}

// The value of "--name=value" or of the next argument after "--name"; false when there is none.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string_view option, std::string& value) {
  const std::string& arg = args[i];
  if (arg.size() > option.size() && arg.compare(0, option.size(), option) == 0 && arg[option.size()] == '=') {
    value = arg.substr(option.size() + 1);
    return true;
  }
  if (i + 1 >= args.size()) return false;
  value = args[++i];
  return true;
}

bool IsOption(const std::string& arg, std::string_view option) {
  return arg == option ||
         (arg.size() > option.size() && arg.compare(0, option.size(), option) == 0 && arg[option.size()] == '=');
}

}  // namespace

std::optional<int> ConsoleFromName(const std::string& name) {
  std::string lower;
  for (const char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (std::size_t host = 0; host < kConsoleNames.size(); ++host) {
    if (lower == kConsoleNames[host]) return static_cast<int>(host);
  }
  return std::nullopt;
}

std::string ConsoleName(int host) {
  if (host >= 0 && static_cast<std::size_t>(host) < kConsoleNames.size()) {
    return std::string(kConsoleNames[static_cast<std::size_t>(host)]);
  }
  return "console-" + std::to_string(host);
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  CliOptions& options = parsed.options;
  std::vector<std::string> words;
  bool options_ended = false;
  const auto fail = [&parsed](std::string text) {
    parsed.error = std::move(text);
    return parsed;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || arg.empty() || arg[0] != '-' || arg == "-") {
      words.push_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "-y" || arg == "--yes") {
      options.yes = true;
    } else if (IsOption(arg, kVirtualOption)) {
      options.adapter = CliOptions::Adapter::kVirtual;
      // The value is optional, so it is only ever given with "=".
      options.scenario =
          arg == kVirtualOption ? std::string(emulator::kDefaultScenario) : arg.substr(kVirtualOption.size() + 1);
      if (emulator::FindScenario(options.scenario) == nullptr) {
        return fail("Unknown scenario \"" + options.scenario + "\".");
      }
    } else if (IsOption(arg, "--adapter-socket")) {
      if (!TakeValue(args, i, "--adapter-socket", options.socket_path) || options.socket_path.empty()) {
        return fail("--adapter-socket needs a path.");
      }
      options.adapter = CliOptions::Adapter::kSocket;
    } else if (IsOption(arg, "--console")) {
      std::string name;
      if (!TakeValue(args, i, "--console", name)) return fail("--console needs a console name.");
      options.console = ConsoleFromName(name);
      if (!options.console) return fail("Unknown console \"" + name + "\".");
    } else {
      return fail("Unknown option " + arg + ".");
    }
  }
  const bool virtual_given =
      std::any_of(args.begin(), args.end(), [](const std::string& arg) { return IsOption(arg, kVirtualOption); });
  if (virtual_given && !options.socket_path.empty()) {
    return fail("--virtual-adapter and --adapter-socket cannot be combined.");
  }
  if (options.help) return parsed;
  if (words.empty()) return fail("No command given.");
  options.command = words.front();
  options.arguments.assign(words.begin() + 1, words.end());
  const CommandEntry* entry = FindCommand(options.command);
  if (entry == nullptr) return fail("Unknown command \"" + options.command + "\".");
  if (options.arguments.size() < entry->min_arguments || options.arguments.size() > entry->max_arguments) {
    std::string usage = "Usage: torvane-cli " + std::string(entry->name);
    if (!entry->arguments.empty()) usage += " " + std::string(entry->arguments);
    return fail(usage);
  }
  return parsed;
}

std::string Usage() {
  std::ostringstream out;
  out << "Usage: torvane-cli [OPTIONS] COMMAND [ARGUMENTS]\n"
         "Reads and writes the settings of the Torvane adapter from the command line.\n\nCommands:\n";
  for (const CommandEntry& entry : kCommands) {
    std::string head = std::string(entry.name);
    if (!entry.arguments.empty()) head += " " + std::string(entry.arguments);
    // Descriptions start in one column; a longer head puts its description on the next line.
    out << "  " << head << (head.size() < 26 ? std::string(26 - head.size(), ' ') : "\n" + std::string(28, ' '))
        << entry.description << "\n";
  }
  out << "\nOptions:\n"
         "  --console NAME            The console whose configurations a command works on: ps4, xbox-one, ps3,\n"
         "                            xbox-360, switch (default: the console the adapter serves now).\n"
         "                            import-config also switches the adapter to it, as the manager's console\n"
         "                            switch does; import-macro and import-curve change only the macro or the\n"
         "                            curves of the configuration named, and the adapter keeps its console.\n"
         "  --json                    Machine-readable output: one JSON object on standard output.\n"
         "  -y, --yes                 Answers yes to every question (restore, upgrade, replacing a file, keys in\n"
         "                            use, writing without a backup).\n"
         "  --virtual-adapter[=SCENARIO]\n"
         "                            Works with an in-process virtual adapter in SCENARIO (default "
      << emulator::kDefaultScenario
      << ").\n"
         "  --adapter-socket PATH     Works with the virtual adapter served on the socket at PATH.\n"
         "  -h, --help                Shows this text.\n"
         "\nEvery write backs the adapter's settings up first and reads back what it wrote. A progress bar goes\n"
         "to standard error while the adapter is read or written, when that is a terminal. An exported FILE\n"
         "without the kind's extension gets it; names are read and printed in the terminal's character set.\n"
         "\nScenarios of the virtual adapter:\n";
  for (const emulator::Scenario& scenario : emulator::Scenarios()) {
    out << "  " << scenario.name << "\n      " << scenario.description << "\n";
  }
  out << "\nExit codes:\n"
      << "  " << kExitOk << "  success\n"
      << "  " << kExitDeclined << "  a question was answered no; nothing was written\n"
      << "  " << kExitUsage << "  usage error: unknown command or option, wrong arguments, unknown name\n"
      << "  " << kExitNoAdapter << "  no adapter found\n"
      << "  " << kExitDeviceFailed << "  the adapter failed a read or a write (USB error)\n"
      << "  " << kExitRefusedFile << "  a file was refused, or could not be read or written\n"
      << "  " << kExitAdapterState
      << "  the adapter needs a firmware upgrade or a restore first, or this program does not serve it\n";
  return out.str();
}

}  // namespace torvane::cli
