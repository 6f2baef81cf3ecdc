#pragma once

#include "toolkit/CControlUI.h"
#include "toolkit/CPaintManagerUI.h"
#include "toolkit/WindowImplBase.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace torvane::testing {

// Runs `action` on the innermost modal window once its modal loop runs and it is on screen.
inline void WhenModal(std::function<void(toolkit::WindowImplBase&)> action) {
  QTimer::singleShot(0, [action] {
    toolkit::WindowImplBase* modal = toolkit::WindowImplBase::ActiveModal();
    ASSERT_NE(modal, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(modal));
    action(*modal);
  });
}

// The control of that name that is showing (layouts may repeat a name in rows of which one is shown).
inline toolkit::CControlUI* ShownControl(toolkit::WindowImplBase& window, const QString& name) {
  const auto found = window.GetPaintManager().FindControls(
      [&](toolkit::CControlUI* c) { return c->GetName() == name && c->isVisibleTo(&window); });
  return found.empty() ? nullptr : found.front();
}

inline void ClickShown(toolkit::WindowImplBase& window, const QString& name) {
  toolkit::CControlUI* control = ShownControl(window, name);
  ASSERT_NE(control, nullptr) << name.toStdString();
  QTest::mouseClick(control, Qt::LeftButton);
}

}  // namespace torvane::testing
