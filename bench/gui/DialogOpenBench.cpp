// Opening the game selection dialog, offscreen, from construction to the first paint of its card list.
#include <benchmark/benchmark.h>

#include "PaintProbe.h"
#include "dialogs/CListCtrlUI.h"
#include "dialogs/CPlaySelectDlg.h"
#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "skin/EmbeddedSkin.h"
#include "toolkit/AttributeValues.h"
#include "toolkit/SkinArchive.h"
#include "toolkit/Theme.h"
#include "toolkit/WindowImplBase.h"

#include <QApplication>
#include <QEvent>

#include <memory>

namespace torvane {
namespace {

void OpenSkin() {
  toolkit::SkinArchive::SetCurrent(nullptr);
  toolkit::SkinArchive::SetCurrent(toolkit::SkinArchive::OpenInPlace(skin::EmbeddedSkinArchive()));
}

// The game selection layout with every game of the catalogue as a card: more than any console lists.
class AllGamesWindow : public toolkit::WindowImplBase {
 public:
  QString GetWindowClassName() const override { return QStringLiteral("AllGames"); }
  QString GetSkinFile() const override { return QStringLiteral("play_list_dlg.xml"); }
  toolkit::CControlUI* CreateControl(const QString& element_name) override {
    return toolkit::NameIs(element_name, u"ListCtrl") ? new dialogs::CListCtrlUI(&GetPaintManager()) : nullptr;
  }
  void InitWindow() override {
    auto* list = FindControl<dialogs::CListCtrlUI>(u"listctrl");
    for (int id = 0; id < model::kGameCount; ++id) {
      const auto title = model::GameTitle(id);
      const auto image = model::GameImage(id);
      list->AddConfigItem({QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                           {},
                           QString::fromUtf8(image.data(), static_cast<qsizetype>(image.size())),
                           {},
                           0});
    }
  }
};

// Shows the built window and runs the event loop until its list has painted.
void ShowUntilListPainted(toolkit::WindowImplBase& window, benchmark::State& state) {
  PaintProbe probe;
  window.FindControl(u"listctrl")->installEventFilter(&probe);
  window.ShowWindow();
  while (!probe.painted) QApplication::processEvents(QEventLoop::AllEvents);
  state.PauseTiming();
  window.hide();
  state.ResumeTiming();
}

template <class MakeWindow>
void RunOpen(benchmark::State& state, MakeWindow make_window) {
  const bool cold = state.range(0) != 0;
  model::PrepareCatalogue();
  OpenSkin();
  int cards = 0;
  for (auto _ : state) {
    if (cold) {
      // A fresh archive has decoded no card yet.
      state.PauseTiming();
      OpenSkin();
      state.ResumeTiming();
    }
    auto window = make_window();
    if (!window->Create(nullptr, QStringLiteral("New Game"))) {
      state.SkipWithError("the window could not be built");
      return;
    }
    cards = window->template FindControl<dialogs::CListCtrlUI>(u"listctrl")->GetCount();
    ShowUntilListPainted(*window, state);
    state.PauseTiming();
    window.reset();
    QApplication::processEvents();  // cards removed later are deleted here
    state.ResumeTiming();
  }
  state.counters["cards"] = cards;
}

// The console with the most games (PS4, 85 cards).
void BM_OpenGameSelection(benchmark::State& state) {
  auto image = model::MakeFlashImage();
  image->config.host = model::kHostPS4;
  RunOpen(state, [&image] { return std::make_unique<dialogs::CPlaySelectDlg>(*image); });
}
BENCHMARK(BM_OpenGameSelection)->ArgName("cold")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// All 137 game cards in the same layout.
void BM_OpenAllGameCards(benchmark::State& state) {
  RunOpen(state, [] { return std::make_unique<AllGamesWindow>(); });
}
BENCHMARK(BM_OpenAllGameCards)->ArgName("cold")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvane
