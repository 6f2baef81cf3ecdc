#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace torvane::dialogs {

// What a message box or prompt would have shown.
struct ShownMessageBox {
  bool prompt = false;
  QString title;  // the prompt's content title for prompts
  QString text;
  int style = 0;
};

// Test seam: while answers are queued, ShowMessageBox and ShowPromptBox show nothing; they record what they
// would have shown and return the next queued answer. With no answer queued they show the real dialog.
class MessageBoxAnswers {
 public:
  static void SetNextAnswer(int answer);
  // Forgets the queued answers and the record.
  static void Reset();
  static QList<ShownMessageBox> Shown();
  static int QueuedAnswers();

  // For ShowMessageBox / ShowPromptBox: the answer for this box, if one is queued.
  static std::optional<int> TakeAnswer(const ShownMessageBox& box);
};

}  // namespace torvane::dialogs
