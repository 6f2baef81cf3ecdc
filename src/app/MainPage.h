#pragma once

namespace torvane::app {

// The pages of "tabLayoutWnd", by index.
enum MainPage : int {
  kPageIncompatibleUpgrade = 0,
  kPageIncompatible = 1,
  kPageDeviceRemove = 2,
  kPageDeviceArrival = 3,
  kPagePlaySelect = 4,
  kPagePlayEdit = 5,
  kPageMacroManager = 6,
  kPageMacroEditor = 7,
};

}  // namespace torvane::app
