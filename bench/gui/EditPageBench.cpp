// The editing page, offscreen: opening it for a configuration with every field and key filled, and switching the
// mapping group, each to the next paint of the controller drawing.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include <memory>

#include "BenchWindow.h"
#include "app/CMainWnd.h"
#include "app/ManagerState.h"
#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/NameText.h"
#include "toolkit/CControlUI.h"
#include "toolkit/TNotifyUI.h"

namespace torvane {
namespace {

// A main window over one steering wheel configuration whose wheel profile fills the wheel combo, with a key in
// every entry of both mapping groups.
struct EditWindow : BenchWindow {
  EditWindow() {
    model::PrepareCatalogue();
    model::ConfigBlock& block = state.session.image().config;
    model::ConfigRecord record{};
    for (const model::ConfigRecord& candidate : model::Catalogue(model::kHostPS4)) {
      if (model::WheelProfilesFor(candidate) != nullptr) record = candidate;
    }
    model::StoreName(record.name, "Every field filled", model::kNewConfigNameChars);
    record.set_host_type(model::kHostPS4);
    record.input_device = 1;
    record.hotkey = 0x3A;
    for (auto& group : record.mapping) {
      for (std::size_t i = 0; i < group.size(); ++i) group[i] = static_cast<std::uint8_t>(0x04 + i);
    }
    block.records[0] = record;
    block.count = 1;
    block.host = model::kHostPS4;
    Show("edit-bench");
    drawing = window->FindControl(u"lblHost_map");
    Watch(drawing);
  }

  toolkit::CControlUI* drawing = nullptr;
};

void BM_OpenEditPage(benchmark::State& state) {
  EditWindow edit;
  for (auto _ : state) {
    edit.window->OpenEditPage(0);
    edit.WaitForPaint();
    state.PauseTiming();
    edit.window->ShowHomePage();
    edit.Settle();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenEditPage)->Unit(benchmark::kMillisecond);

void BM_SwitchMappingGroup(benchmark::State& state) {
  EditWindow edit;
  edit.window->OpenEditPage(0);
  QCoreApplication::processEvents();
  for (auto _ : state) {
    toolkit::TNotifyUI click;
    click.type = QString::fromUtf16(toolkit::notify::kClick);
    click.sender = edit.window->FindControl(u"btnMappingGroupSwith");
    click.sender_name = QStringLiteral("btnMappingGroupSwith");
    edit.window->Notify(click);
    edit.WaitForPaint();
  }
}
BENCHMARK(BM_SwitchMappingGroup)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvane
