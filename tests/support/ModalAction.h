#pragma once

#include <QString>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>

#include "toolkit/WindowImplBase.h"

namespace torvane::testing {

// Acts on the next modal window that is on screen and has a control named `control` (any, when null) once it runs.
// It polls, so it also finds a dialog that a click opens only after handling other events, or one opened inside
// another modal run.
inline void WhenModalShows(const char16_t* control, std::function<void(toolkit::WindowImplBase&)> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  const QString name = control != nullptr ? QString::fromUtf16(control) : QString();
  QObject::connect(timer, &QTimer::timeout, [timer, name, act = std::move(act)] {
    toolkit::WindowImplBase* modal = toolkit::WindowImplBase::ActiveModal();
    if (!modal || !modal->IsModalRunning() || !modal->isVisible()) return;
    if (!name.isEmpty() && !modal->FindControl(name)) return;
    if (!QTest::qWaitForWindowExposed(modal)) return;
    timer->stop();
    timer->deleteLater();
    act(*modal);
  });
  timer->start();
}

// Acts on the innermost modal window once it runs and is on screen.
inline void WhenModal(std::function<void(toolkit::WindowImplBase&)> act) {
  WhenModalShows(nullptr, std::move(act));
}

}  // namespace torvane::testing
