#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QString>

#include <memory>

#include "PaintProbe.h"
#include "app/CMainWnd.h"
#include "app/ManagerState.h"
#include "toolkit/CControlUI.h"
#include "toolkit/WindowImplBase.h"

namespace torvane {

// A main window shown offscreen on its home page over `state`, which the benchmark fills first.
struct BenchWindow {
  void Show(const char* instance_name) {
    window = std::make_unique<app::CMainWnd>(
        app::MainWndEnvironment{.state = &state, .source = nullptr, .instance_name = instance_name, .open_link = {}});
    window->Create(nullptr, QStringLiteral("Torvane Manager"), toolkit::WindowImplBase::Kind::kMain);
    window->ShowWindow(true);
    window->ShowHomePage();
  }

  // What is timed ends when `control` has painted again, which is when the player sees it.
  void Watch(QWidget* control) {
    control->installEventFilter(&probe);
    QCoreApplication::processEvents();
  }
  void WaitForPaint() {
    DeleteGivenUp();
    probe.painted = false;
    while (!probe.painted) QApplication::processEvents(QEventLoop::AllEvents);
  }
  // Between two timed actions: what the event loop does once a handler has returned.
  static void Settle() {
    QCoreApplication::processEvents();
    DeleteGivenUp();
  }
  // The controls an action gave up (deleteLater) go as soon as its handler returns to the event loop, before the
  // next paint. processEvents() outside a running loop never deletes them: every iteration would then carry all the
  // rows the ones before it removed, and the figures would grow with the number of iterations.
  static void DeleteGivenUp() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  app::ManagerState state;
  std::unique_ptr<app::CMainWnd> window;
  PaintProbe probe;
};

}  // namespace torvane
