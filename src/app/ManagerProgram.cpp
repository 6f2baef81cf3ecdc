#include "app/ManagerProgram.h"

#include <QApplication>

#include <cstdio>
#include <memory>

#include "app/CMainWnd.h"
#include "app/CommandLine.h"
#include "app/MainWindowTexts.h"
#include "app/SocketAdapterSource.h"
#include "app/StartupProbe.h"
#include "app/UsbAdapterSource.h"
#include "platform/NarrowText.h"
#include "platform/ProcessFigures.h"
#include "skin/EmbeddedSkin.h"
#include "toolkit/SkinArchive.h"
#include "toolkit/Theme.h"

namespace torvane::app {

namespace {

void Print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
  std::fflush(stream);
}

}  // namespace

int RunManager(int argc, char* argv[], AdapterDemo* demo) {
  // Before any name is stored or shown and before the worker starts: names are cut by its characters.
  platform::InstallNarrowTextCodec();
  // Read before the application exists, so that --help and usage errors work without a display.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const CommandLineResult command_line = ParseCommandLine(arguments, demo);
  if (!command_line.options) {
    Print(command_line.is_error ? stderr : stdout, command_line.output);
    return command_line.exit_code;
  }
  const ManagerOptions& options = *command_line.options;

  QApplication app(argc, argv);
  app.setApplicationName(QString::fromUtf8(kWindowText));
  // Lets Wayland desktops match the window to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(TORVANE_APP_ID));
  // First, so that the system's font list is read beside all that follows; it waits before the application goes.
  const std::future<void> font_list = toolkit::theme::Apply(app);

  QString skin_error;
  auto skin = toolkit::SkinArchive::OpenInPlace(skin::EmbeddedSkinArchive(), &skin_error);
  if (!skin) {
    Print(stderr, QStringLiteral("The skin archive cannot be opened: %1\n").arg(skin_error));
    return 1;
  }
  toolkit::SkinArchive::SetCurrent(std::move(skin));
  // Decoded beside the building of the window, which comes first.
  toolkit::SkinArchive::Current()->Prefetch(QString::fromUtf8(kInitBackground));

  std::unique_ptr<AdapterSource> source;
  switch (options.adapter) {
    case ManagerOptions::Adapter::kVirtual: {
      QString error;
      source = demo->CreateSource(options.scenario, &error);
      if (!source) {
        // A usage error like an unknown scenario, though the command line let it pass.
        Print(stderr, error + QLatin1Char('\n'));
        toolkit::SkinArchive::SetCurrent(nullptr);
        return 2;
      }
      break;
    }
    case ManagerOptions::Adapter::kSocket:
      source = std::make_unique<SocketAdapterSource>(options.socket_path);
      break;
    case ManagerOptions::Adapter::kUsb:
      source = std::make_unique<UsbAdapterSource>();
      break;
  }

  ManagerState state;
  int exit_code = 0;
  {
    CMainWnd window(MainWndEnvironment{
        .state = &state, .source = source.get(), .instance_name = kInstanceLockName, .open_link = {}});
    if (!window.Create(nullptr, QString::fromUtf8(kWindowText), toolkit::WindowImplBase::Kind::kMain)) {
      Print(stderr, QStringLiteral("The main window cannot be built: %1\n").arg(window.GetBuildError()));
      exit_code = 1;
    } else if (!window.IsRefusedSecondInstance()) {
      if (options.startup_probe) {
        // Measured once the first page is on screen: after the window's first paint.
        AfterFirstPaint(window, [&window] {
          Print(stdout, FormatStartupFigures(platform::ProcessFigures::Measure()) + QLatin1Char('\n'));
          window.Close(0);
        });
      }
      window.ShowModal();
    }
  }
  // Cached pixmaps go before the application does.
  toolkit::SkinArchive::SetCurrent(nullptr);
  return exit_code;
}

}  // namespace torvane::app
