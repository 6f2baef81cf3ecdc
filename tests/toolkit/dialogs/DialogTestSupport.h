#pragma once

#include "support/ModalAction.h"
#include "toolkit/CControlUI.h"
#include "toolkit/CPaintManagerUI.h"
#include "toolkit/WindowImplBase.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace torvane::testing {

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
