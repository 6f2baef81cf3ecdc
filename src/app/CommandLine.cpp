#include "app/CommandLine.h"

#include <QCommandLineParser>

#include "emulator/Scenarios.h"

namespace torvane::app {

namespace {

constexpr int kUsageError = 2;

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ScenarioList() {
  QString text = QStringLiteral("\nScenarios of the virtual adapter:\n");
  qsizetype width = 0;
  for (const emulator::Scenario& scenario : emulator::Scenarios()) {
    width = std::max(width, static_cast<qsizetype>(scenario.name.size()));
  }
  for (const emulator::Scenario& scenario : emulator::Scenarios()) {
    text += QStringLiteral("  ") + FromView(scenario.name).leftJustified(width + 2) + FromView(scenario.description);
    if (scenario.name == emulator::kDefaultScenario) text += QStringLiteral(" (default)");
    text += QLatin1Char('\n');
  }
  return text;
}

CommandLineResult Error(const QString& text) {
  CommandLineResult result;
  result.output = text + QStringLiteral("\nTry --help for the options.\n");
  result.exit_code = kUsageError;
  result.is_error = true;
  return result;
}

}  // namespace

CommandLineResult ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Reads, edits and writes the settings of the Torvane adapter."));
  const QCommandLineOption help_option({QStringLiteral("h"), QStringLiteral("help")},
                                       QStringLiteral("Shows the options and the virtual adapter's scenarios."));
  const QCommandLineOption virtual_option(
      QStringLiteral("virtual-adapter"),
      QStringLiteral("Runs with an in-process virtual adapter plugged in, in the given scenario (default %1). "
                     "Write it as --virtual-adapter=SCENARIO.")
          .arg(FromView(emulator::kDefaultScenario)),
      QStringLiteral("scenario"));
  const QCommandLineOption socket_option(QStringLiteral("adapter-socket"),
                                         QStringLiteral("Uses the virtual adapter served on the socket at <path>."),
                                         QStringLiteral("path"));
  QCommandLineOption probe_option(QStringLiteral("startup-probe"),
                                  QStringLiteral("Prints start-up time and memory once the window is up, then exits."));
  probe_option.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(help_option);
  parser.addOption(virtual_option);
  parser.addOption(socket_option);
  parser.addOption(probe_option);

  // "--virtual-adapter" alone takes the default scenario; the parser wants a value, so give it one.
  QStringList args = arguments;
  for (QString& argument : args) {
    if (argument == QStringLiteral("--virtual-adapter")) {
      argument = QStringLiteral("--virtual-adapter=") + FromView(emulator::kDefaultScenario);
    }
  }
  if (!parser.parse(args)) return Error(parser.errorText());
  if (!parser.positionalArguments().isEmpty()) {
    return Error(QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first()));
  }
  if (parser.isSet(help_option)) {
    CommandLineResult result;
    result.output = parser.helpText() + ScenarioList();
    return result;
  }

  ManagerOptions options;
  options.startup_probe = parser.isSet(probe_option);
  if (parser.isSet(virtual_option) && parser.isSet(socket_option)) {
    return Error(QStringLiteral("--virtual-adapter and --adapter-socket cannot be combined."));
  }
  if (parser.isSet(virtual_option)) {
    options.adapter = ManagerOptions::Adapter::kVirtual;
    options.scenario = parser.value(virtual_option);
    if (emulator::FindScenario(options.scenario.toStdString()) == nullptr) {
      return Error(QStringLiteral("Unknown scenario \"%1\".%2").arg(options.scenario, ScenarioList()));
    }
  } else if (parser.isSet(socket_option)) {
    options.adapter = ManagerOptions::Adapter::kSocket;
    options.socket_path = parser.value(socket_option);
    if (options.socket_path.isEmpty()) return Error(QStringLiteral("--adapter-socket needs a path."));
  }
  CommandLineResult result;
  result.options = options;
  return result;
}

}  // namespace torvane::app
