// Dragging a point of the curve editor's hip chart, offscreen: one mouse move and the chart's repaint, at scale 1
// on screen and at scale 2 into an image.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "core/Host.h"
#include "editor/curve/CCurveDlg.h"
#include "model/params/ResponseCurves.h"
#include "toolkit/CChartUI.h"

namespace torvane {
namespace {

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons) {
  QMouseEvent event(type, pos, target->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

// The drag exchanges no file and asks nothing.
class NoFiles final : public core::Host {
 public:
  int Ask(std::string_view, std::string_view, core::Buttons) override { return 0; }
  void Tell(std::string_view, std::string_view, core::Tone) override {}
  core::WriteResult RunWrite(const device::WritePlan&, core::WriteKind) override { return {}; }
  void ReadAdapterAgain() override {}
  std::optional<std::string> ChooseFileToOpen(std::string_view, model::ExchangeKind) override { return {}; }
  std::optional<std::string> ChooseFileToSave(std::string_view, std::string_view, model::ExchangeKind) override {
    return {};
  }
};

// Grabs hip point 10 and runs `repaint` after each move, the point swinging over the whole plot.
template <class Repaint>
void RunDrag(benchmark::State& state, Repaint repaint) {
  model::ConfigRecord record{};
  record.hip_curve = model::NeutralCurve();
  record.ads_curve = model::NeutralCurve();
  NoFiles flow_host;
  editor::CCurveDlg dialog(flow_host, record);
  if (!dialog.Create(nullptr, QStringLiteral("Curve Edit"))) {
    state.SkipWithError("the dialog could not be built");
    return;
  }
  dialog.ShowWindow();
  QApplication::processEvents();
  toolkit::CChartUI* chart = dialog.HipChart();
  const QPoint grab(105, 105);
  SendMouse(chart, QEvent::MouseButtonPress, grab, Qt::LeftButton);
  int step = 0;
  for (auto _ : state) {
    step = (step + 7) % 200;
    SendMouse(chart, QEvent::MouseMove, grab + QPoint(0, step - 100), Qt::LeftButton);
    repaint(*chart);
  }
  SendMouse(chart, QEvent::MouseButtonRelease, grab, Qt::NoButton);
  benchmark::DoNotOptimize(chart->GetPoints());
}

void BM_DragRepaint(benchmark::State& state) {
  RunDrag(state, [](toolkit::CChartUI& chart) { chart.repaint(); });
}
BENCHMARK(BM_DragRepaint)->Unit(benchmark::kMicrosecond);

void BM_DragRenderAtScale2(benchmark::State& state) {
  QImage image;
  RunDrag(state, [&image](toolkit::CChartUI& chart) {
    if (image.isNull()) {
      image = QImage(chart.size() * 2, QImage::Format_ARGB32_Premultiplied);
      image.setDevicePixelRatio(2);
    }
    chart.render(&image);
  });
}
BENCHMARK(BM_DragRenderAtScale2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace torvane
