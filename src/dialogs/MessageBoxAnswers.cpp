#include "dialogs/MessageBoxAnswers.h"

#include <QQueue>

namespace torvane::dialogs {

namespace {

struct Seam {
  QQueue<int> answers;
  QList<ShownMessageBox> shown;
};

// Message boxes run on the UI thread only, so the seam needs no lock.
Seam& State() {
  static Seam seam;
  return seam;
}

}  // namespace

void MessageBoxAnswers::SetNextAnswer(int answer) {
  State().answers.enqueue(answer);
}

void MessageBoxAnswers::Reset() {
  State().answers.clear();
  State().shown.clear();
}

QList<ShownMessageBox> MessageBoxAnswers::Shown() {
  return State().shown;
}

int MessageBoxAnswers::QueuedAnswers() {
  return static_cast<int>(State().answers.size());
}

std::optional<int> MessageBoxAnswers::TakeAnswer(const ShownMessageBox& box) {
  Seam& seam = State();
  if (seam.answers.isEmpty()) return std::nullopt;
  seam.shown.append(box);
  return seam.answers.dequeue();
}

}  // namespace torvane::dialogs
