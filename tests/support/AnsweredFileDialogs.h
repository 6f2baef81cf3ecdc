#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

#include "editor/exchange/FileDialogs.h"

namespace torvane::testing {

// Answers the exchange flows' open and save dialogs with queued paths (nothing: the player cancels) while it
// lives, and records what each dialog was asked with.
class AnsweredFileDialogs final : public editor::FileDialogs {
 public:
  struct Asked {
    bool save = false;
    QString title;
    QString suggested_name;
    model::ExchangeKind kind{};
  };

  AnsweredFileDialogs() : previous_(Replace(this)) {}
  ~AnsweredFileDialogs() override { Replace(previous_); }
  AnsweredFileDialogs(const AnsweredFileDialogs&) = delete;
  AnsweredFileDialogs& operator=(const AnsweredFileDialogs&) = delete;

  void Answer(std::optional<QString> path) { answers_.push_back(std::move(path)); }

  std::optional<QString> ChooseOpen(QWidget*, const QString& title, model::ExchangeKind kind) override {
    asked.push_back({false, title, {}, kind});
    return Next();
  }
  std::optional<QString> ChooseSave(QWidget*, const QString& title, const QString& suggested_name,
                                    model::ExchangeKind kind) override {
    asked.push_back({true, title, suggested_name, kind});
    return Next();
  }

  std::deque<Asked> asked;

 private:
  std::optional<QString> Next() {
    if (answers_.empty()) return std::nullopt;
    // Taken by value before the pop: GCC's -Wmaybe-uninitialized misreads a moved-from optional here.
    const std::optional<QString> next = answers_.front();
    answers_.pop_front();
    return next;
  }

  FileDialogs* previous_;
  std::deque<std::optional<QString>> answers_;
};

}  // namespace torvane::testing
