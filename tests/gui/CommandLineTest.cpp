// The program's command line, parsed and as the real executable answers it.
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/demo/VirtualAdapterDemo.h"

namespace torvane::testing {
namespace {

using app::ManagerOptions;
using app::ParseCommandLine;

app::CommandLineResult Parse(QStringList arguments, bool with_demo = true) {
  static app::demo::VirtualAdapterDemo demo;
  arguments.prepend(QStringLiteral("torvane-manager"));
  return ParseCommandLine(arguments, with_demo ? &demo : nullptr);
}

TEST(CommandLineTest, ChoosesTheAdapter) {
  const auto usb = Parse({});
  ASSERT_TRUE(usb.options);
  EXPECT_EQ(usb.options->adapter, ManagerOptions::Adapter::kUsb);
  EXPECT_FALSE(usb.options->startup_probe);

  const auto virtual_default = Parse({QStringLiteral("--virtual-adapter")});
  ASSERT_TRUE(virtual_default.options);
  EXPECT_EQ(virtual_default.options->adapter, ManagerOptions::Adapter::kVirtual);
  EXPECT_EQ(virtual_default.options->scenario, QStringLiteral("working-mode-1"));

  const auto virtual_named =
      Parse({QStringLiteral("--virtual-adapter=old-generation"), QStringLiteral("--startup-probe")});
  ASSERT_TRUE(virtual_named.options);
  EXPECT_EQ(virtual_named.options->scenario, QStringLiteral("old-generation"));
  EXPECT_TRUE(virtual_named.options->startup_probe);

  const auto socket = Parse({QStringLiteral("--adapter-socket"), QStringLiteral("/tmp/adapter.sock")});
  ASSERT_TRUE(socket.options);
  EXPECT_EQ(socket.options->adapter, ManagerOptions::Adapter::kSocket);
  EXPECT_EQ(socket.options->socket_path, QStringLiteral("/tmp/adapter.sock"));
}

TEST(CommandLineTest, MistakesAreUsageErrors) {
  for (const QStringList& arguments :
       {QStringList{QStringLiteral("--virtual-adapter=no-such-state")},
        QStringList{QStringLiteral("--virtual-adapter=")}, QStringList{QStringLiteral("--adapter-socket")},
        QStringList{QStringLiteral("--bogus")}, QStringList{QStringLiteral("stray")},
        QStringList{QStringLiteral("--virtual-adapter"), QStringLiteral("--adapter-socket"), QStringLiteral("/x")}}) {
    const auto result = Parse(arguments);
    EXPECT_FALSE(result.options) << arguments.join(u' ').toStdString();
    EXPECT_TRUE(result.is_error);
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_FALSE(result.output.isEmpty());
  }
  EXPECT_TRUE(
      Parse({QStringLiteral("--virtual-adapter=no-such-state")}).output.contains(QStringLiteral("no-such-state")));
}

TEST(CommandLineTest, HelpListsOptionsAndScenariosButNotTheProbe) {
  const auto help = Parse({QStringLiteral("--help")});
  EXPECT_FALSE(help.options);
  EXPECT_FALSE(help.is_error);
  EXPECT_EQ(help.exit_code, 0);
  for (const char* text : {"--virtual-adapter", "--adapter-socket", "working-mode-1", "old-generation-upgradable",
                           "hostile-records", "Older generation (boot loader 1.22.0, hardware 1.7.5)"}) {
    EXPECT_TRUE(help.output.contains(QLatin1String(text))) << text;
  }
  EXPECT_FALSE(help.output.contains(QLatin1String("startup-probe")));
}

TEST(CommandLineTest, WithoutTheDemoThereIsNoVirtualAdapter) {
  const auto help = Parse({QStringLiteral("--help")}, false);
  EXPECT_TRUE(help.output.contains(QLatin1String("--adapter-socket")));
  EXPECT_FALSE(help.output.contains(QLatin1String("--virtual-adapter")));
  EXPECT_FALSE(help.output.contains(QLatin1String("working-mode-1")));
  const auto demo = Parse({QStringLiteral("--virtual-adapter")}, false);
  EXPECT_FALSE(demo.options);
  EXPECT_EQ(demo.exit_code, 2);
}

TEST(CommandLineTest, TheDemoStartsOnlyInAScenarioItHas) {
  app::demo::VirtualAdapterDemo demo;
  QString error;
  EXPECT_EQ(demo.CreateSource(QStringLiteral("no-such-state"), &error), nullptr);
  EXPECT_TRUE(error.contains(QLatin1String("no-such-state"))) << error.toStdString();
  const auto source = demo.CreateSource(demo.DefaultScenario(), &error);
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(source->PresentAdapters().size(), 1u);
}

// Runs the program; its output and exit code.
struct ProgramRun {
  int exit_code = -1;
  QString out;
  QString err;
};

// `headless` runs it with no display at all, as over a plain terminal session.
ProgramRun RunProgram(const QStringList& arguments, bool headless = false) {
  QProcess process;
  if (headless) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
  }
  process.start(qEnvironmentVariable("TORVANE_MANAGER"), arguments);
  ProgramRun run;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

TEST(CommandLineTest, TheProgramAnswersHelpErrorsAndTheStartupProbe) {
  // Help and usage errors need no display.
  const ProgramRun help = RunProgram({QStringLiteral("--help")}, true);
  EXPECT_EQ(help.exit_code, 0) << help.err.toStdString();
  EXPECT_TRUE(help.out.contains(QLatin1String("lost-configuration")));

  const ProgramRun unknown = RunProgram({QStringLiteral("--virtual-adapter=nope")}, true);
  EXPECT_EQ(unknown.exit_code, 2);
  EXPECT_TRUE(unknown.err.contains(QLatin1String("Unknown scenario \"nope\"")));

  // The probe reports once page 2 is up and ends with 0, adapter or not.
  const ProgramRun probe = RunProgram({QStringLiteral("--startup-probe"), QStringLiteral("--virtual-adapter")});
  EXPECT_EQ(probe.exit_code, 0) << probe.err.toStdString();
  EXPECT_TRUE(probe.out.contains(QRegularExpression(QStringLiteral("^startup_ms=[0-9.]+ rss_kib=[0-9]+\\s*$"))))
      << probe.out.toStdString();
}

}  // namespace
}  // namespace torvane::testing
