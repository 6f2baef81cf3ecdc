// The home page, offscreen: refilling the list with 16 configurations and switching consoles, each to the next
// paint of the list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include <memory>
#include <string>

#include "BenchWindow.h"
#include "app/CMainWnd.h"
#include "app/ManagerState.h"
#include "dialogs/CListCtrlUI.h"
#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/NameText.h"
#include "skin/EmbeddedSkin.h"
#include "toolkit/SkinArchive.h"
#include "toolkit/Theme.h"

namespace torvane {
namespace {

// A main window on its home page, with 16 configurations: all on PS4, or spread over the five consoles.
struct HomeWindow : BenchWindow {
  explicit HomeWindow(bool spread) {
    model::PrepareCatalogue();
    model::ConfigBlock& block = state.session.image().config;
    for (std::size_t i = 0; i < model::kMaxConfigs; ++i) {
      const int host = spread ? static_cast<int>(i % model::kHostCount) : model::kHostPS4;
      const auto games = model::Catalogue(host);
      model::ConfigRecord record = games[i % games.size()];
      const std::string name = "Configuration " + std::to_string(i + 1);
      model::StoreName(record.name, name, model::kNewConfigNameChars);
      record.set_host_type(host);
      record.color = model::kConfigColors[i];
      record.set_startup(i < model::kHostCount);
      block.records[i] = record;
    }
    block.count = model::kMaxConfigs;
    block.host = model::kHostPS4;
    Show("home-bench");
    list = window->FindControl<dialogs::CListCtrlUI>(u"listctrl");
    Watch(list);
  }

  dialogs::CListCtrlUI* list = nullptr;
};

void BM_RefillSixteen(benchmark::State& state) {
  HomeWindow home(false);
  for (auto _ : state) {
    home.window->home().Show(model::kHostPS4);
    home.WaitForPaint();
  }
  state.counters["cards"] = home.list->GetCount();
}
BENCHMARK(BM_RefillSixteen)->Unit(benchmark::kMillisecond);

void BM_SwitchConsole(benchmark::State& state) {
  HomeWindow home(true);
  for (auto _ : state) {
    home.window->home().SwitchHost();
    home.WaitForPaint();
  }
}
BENCHMARK(BM_SwitchConsole)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvane
