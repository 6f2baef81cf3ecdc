#pragma once

#include <QString>

#include <cstdint>

namespace torvane::dialogs {

// What a configuration-style card of the list control shows ("listctrl_item.xml").
struct ConfigItemEntry {
  QString file_name;        // "filename": the configuration's (or game's) name
  QString description;      // "description"
  QString logo_image;       // "logo": a game card image of the skin archive
  QString startup;          // "startup"
  std::uint32_t color = 0;  // "color" background (ARGB); 0 hides the label
};

// What a macro card of the list control shows ("macro_manager_listctrl_item.xml").
struct MacroItemEntry {
  QString name;          // "macro_name"
  QString hotkey;        // "macro_hotkey"
  QString trigger_mode;  // "macro_trigger_mode"
  QString logo_image;    // "macro_logo", when the template has one
};

}  // namespace torvane::dialogs
