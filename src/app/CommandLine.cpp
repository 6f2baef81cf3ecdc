#include "app/CommandLine.h"

#include <QCommandLineParser>

#include <algorithm>

namespace torvane::app {

namespace {

constexpr int kUsageError = 2;

QString ScenarioList(const AdapterDemo* demo) {
  if (demo == nullptr) return {};
  const std::vector<AdapterDemo::Scenario> scenarios = demo->Scenarios();
  QString text = QStringLiteral("\nScenarios of the virtual adapter:\n");
  qsizetype width = 0;
  for (const AdapterDemo::Scenario& scenario : scenarios) width = std::max(width, scenario.name.size());
  for (const AdapterDemo::Scenario& scenario : scenarios) {
    text += QStringLiteral("  ") + scenario.name.leftJustified(width + 2) + scenario.description;
    if (scenario.name == demo->DefaultScenario()) text += QStringLiteral(" (default)");
    text += QLatin1Char('\n');
  }
  return text;
}

bool HasScenario(const AdapterDemo& demo, const QString& name) {
  const std::vector<AdapterDemo::Scenario> scenarios = demo.Scenarios();
  return std::any_of(scenarios.begin(), scenarios.end(),
                     [&name](const AdapterDemo::Scenario& scenario) { return scenario.name == name; });
}

CommandLineResult Error(const QString& text) {
  CommandLineResult result;
  result.output = text + QStringLiteral("\nTry --help for the options.\n");
  result.exit_code = kUsageError;
  result.is_error = true;
  return result;
}

}  // namespace

CommandLineResult ParseCommandLine(const QStringList& arguments, const AdapterDemo* demo) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Reads, edits and writes the settings of the Torvane adapter."));
  const QCommandLineOption help_option({QStringLiteral("h"), QStringLiteral("help")},
                                       demo != nullptr
                                           ? QStringLiteral("Shows the options and the virtual adapter's scenarios.")
                                           : QStringLiteral("Shows the options."));
  const QCommandLineOption virtual_option(
      QStringLiteral("virtual-adapter"),
      QStringLiteral("Runs with an in-process virtual adapter plugged in, in the given scenario (default %1). "
                     "Write it as --virtual-adapter=SCENARIO.")
          .arg(demo != nullptr ? demo->DefaultScenario() : QString()),
      QStringLiteral("scenario"));
  const QCommandLineOption socket_option(QStringLiteral("adapter-socket"),
                                         QStringLiteral("Uses the virtual adapter served on the socket at <path>."),
                                         QStringLiteral("path"));
  QCommandLineOption probe_option(QStringLiteral("startup-probe"),
                                  QStringLiteral("Prints start-up time and memory once the window is up, then exits."));
  probe_option.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(help_option);
  if (demo != nullptr) parser.addOption(virtual_option);
  parser.addOption(socket_option);
  parser.addOption(probe_option);

  // "--virtual-adapter" alone takes the default scenario; the parser wants a value, so give it one.
  QStringList args = arguments;
  for (QString& argument : args) {
    if (demo != nullptr && argument == QStringLiteral("--virtual-adapter")) {
      argument = QStringLiteral("--virtual-adapter=") + demo->DefaultScenario();
    }
  }
  if (!parser.parse(args)) return Error(parser.errorText());
  if (!parser.positionalArguments().isEmpty()) {
    return Error(QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first()));
  }
  if (parser.isSet(help_option)) {
    CommandLineResult result;
    result.output = parser.helpText() + ScenarioList(demo);
    return result;
  }

  ManagerOptions options;
  options.startup_probe = parser.isSet(probe_option);
  const bool virtual_set = demo != nullptr && parser.isSet(virtual_option);
  if (virtual_set && parser.isSet(socket_option)) {
    return Error(QStringLiteral("--virtual-adapter and --adapter-socket cannot be combined."));
  }
  if (virtual_set) {
    options.adapter = ManagerOptions::Adapter::kVirtual;
    options.scenario = parser.value(virtual_option);
    if (!HasScenario(*demo, options.scenario)) {
      return Error(QStringLiteral("Unknown scenario \"%1\".%2").arg(options.scenario, ScenarioList(demo)));
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
