#pragma once

#include <QString>

#include <cstdint>
#include <string>

class QWidget;

namespace torvane::editor {

// Shows an exchange flow's message in an OK box titled `title` over `owner`; nothing for an empty text.
void ReportExchange(QWidget* owner, const char* title, const std::string& text);

// Asks in a Yes/No box titled `title` whether to go on although `key_code` is taken; true for Yes.
bool ConfirmOccupiedKey(QWidget* owner, const char* title, std::uint8_t key_code);

}  // namespace torvane::editor
