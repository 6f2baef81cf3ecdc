// The macro editor, offscreen: opening it for a macro of 67 steps, every button chosen, to the next paint of its
// step list; once over the rows of the macro shown before, once building them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include <memory>

#include "BenchWindow.h"
#include "app/CMainWnd.h"
#include "app/MainPage.h"
#include "app/ManagerState.h"
#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"
#include "toolkit/CListUI.h"

namespace torvane {
namespace {

constexpr char kMacroName[] = "Sixty-seven steps";
constexpr char kOneStep[] = "One step";

struct MacroWindow : BenchWindow {
  MacroWindow() {
    model::PrepareCatalogue();
    model::ConfigBlock& block = state.session.image().config;
    model::ConfigRecord record = model::Catalogue(model::kHostPS4).front();
    model::StoreName(record.name, "Macro bench", model::kNewConfigNameChars);
    record.set_host_type(model::kHostPS4);
    block.records[0] = record;
    block.count = 1;
    block.host = model::kHostPS4;
    model::MacroRecord macro{};
    macro.owner_name = record.name;
    model::StoreName(macro.macro_name, kMacroName, model::kMacroNameChars);
    macro.step_count = static_cast<std::uint8_t>(model::kMacroSteps);
    for (std::size_t i = 0; i < model::kMacroSteps; ++i) {
      for (std::size_t b = 0; b < model::kStepButtons; ++b)
        macro.steps[i].buttons[b] = static_cast<std::uint8_t>(1 + (i + b) % 26);
      macro.steps[i].hold_time = static_cast<std::uint16_t>(50 + i);
    }
    model::AddMacro(state.session.image().macro, macro);
    model::StoreName(macro.macro_name, kOneStep, model::kMacroNameChars);
    macro.step_count = 1;
    model::AddMacro(state.session.image().macro, macro);
    Show("macro-bench");
    window->OpenEditPage(0);
    window->OpenMacroManager();
    list = window->macro_editor().List();
    Watch(list);
  }

  toolkit::CListUI* list = nullptr;
};

void BM_OpenMacroEditor(benchmark::State& state) {
  MacroWindow macros;
  macros.window->OpenMacroEditor(kMacroName);
  QCoreApplication::processEvents();
  for (auto _ : state) {
    macros.window->OpenMacroEditor(kMacroName);
    macros.WaitForPaint();
    state.PauseTiming();
    macros.window->ShowMacroManager();
    macros.Settle();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenMacroEditor)->Unit(benchmark::kMillisecond);

// The first 67-step macro after a short one: 66 rows are built.
void BM_OpenMacroEditorBuildingRows(benchmark::State& state) {
  MacroWindow macros;
  for (auto _ : state) {
    state.PauseTiming();
    macros.window->OpenMacroEditor(kOneStep);
    macros.Settle();
    state.ResumeTiming();
    macros.window->OpenMacroEditor(kMacroName);
    macros.WaitForPaint();
  }
}
BENCHMARK(BM_OpenMacroEditorBuildingRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvane
