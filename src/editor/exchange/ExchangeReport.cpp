#include "editor/exchange/ExchangeReport.h"

#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "model/exchange/ExchangeMessages.h"

namespace torvane::editor {

void ReportExchange(QWidget* owner, const char* title, const std::string& text) {
  if (text.empty()) return;
  dialogs::ShowMessageBox(QString::fromUtf8(title), owner, QString::fromStdString(text), dialogs::kMbOk);
}

bool ConfirmOccupiedKey(QWidget* owner, const char* title, std::uint8_t key_code) {
  const std::string question = model::OccupiedKeyQuestion(key_code);
  return dialogs::ShowMessageBox(QString::fromUtf8(title), owner, QString::fromStdString(question),
                                 dialogs::kMbYesNo) == dialogs::kIdYes;
}

}  // namespace torvane::editor
