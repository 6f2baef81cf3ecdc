// The entry point of the GUI benchmarks: an offscreen application with the program's theme and skin.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "skin/EmbeddedSkin.h"
#include "toolkit/SkinArchive.h"
#include "toolkit/Theme.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform says on every shown window that it cannot raise it.
  static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QStringLiteral("does not support raise()"))) previous(type, context, text);
  });
  QApplication app(argc, argv);
  torvane::toolkit::theme::Apply(app);
  torvane::toolkit::SkinArchive::SetCurrent(
      torvane::toolkit::SkinArchive::OpenInPlace(torvane::skin::EmbeddedSkinArchive()));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  // Cached pixmaps go before the application does.
  torvane::toolkit::SkinArchive::SetCurrent(nullptr);
  return 0;
}
