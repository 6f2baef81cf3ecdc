#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Host.h"
#include "device/WritePlan.h"

namespace torvane::testing {

// Runs the core's flows as a front end would, from tables: questions take the queued answers (none left: the
// question is closed without a button), writes the queued results (none left: done) or go to `writer`, file
// choices the queued paths (none left: cancelled). It records what it is asked, told and given to write.
class RecordingHost final : public core::Host {
 public:
  struct Box {
    bool question = false;
    std::string title;
    std::string text;
    core::Buttons buttons = core::Buttons::kOk;
    core::Tone tone = core::Tone::kInformation;
  };
  struct Write {
    device::WritePlan plan;
    core::WriteKind kind;
  };
  struct FileChoice {
    bool save = false;
    std::string title;
    std::string suggested_name;
    model::ExchangeKind kind{};
  };

  int Ask(std::string_view title, std::string_view text, core::Buttons buttons) override {
    boxes.push_back({true, std::string(title), std::string(text), buttons, core::Tone::kInformation});
    if (answers.empty()) return 0;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Tell(std::string_view title, std::string_view text, core::Tone tone) override {
    boxes.push_back({false, std::string(title), std::string(text), core::Buttons::kOk, tone});
  }
  core::WriteResult RunWrite(const device::WritePlan& plan, core::WriteKind kind) override {
    writes.push_back({plan, kind});
    if (writer) return writer(plan);
    if (write_results.empty()) return {true, {}};
    const core::WriteResult result = write_results.front();
    write_results.pop_front();
    return result;
  }
  void ReadAdapterAgain() override { ++reads_again; }
  std::optional<std::string> ChooseFileToOpen(std::string_view title, model::ExchangeKind kind) override {
    file_choices.push_back({false, std::string(title), {}, kind});
    return NextFile();
  }
  std::optional<std::string> ChooseFileToSave(std::string_view title, std::string_view suggested_name,
                                              model::ExchangeKind kind) override {
    file_choices.push_back({true, std::string(title), std::string(suggested_name), kind});
    return NextFile();
  }

  // The titles of the boxes shown so far, in order.
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const Box& box : boxes) titles.push_back(box.title);
    return titles;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Box& box : boxes) texts.push_back(box.text);
    return texts;
  }

  std::deque<int> answers;
  std::deque<core::WriteResult> write_results;
  // When set, writes go to it instead (a real device worker), and write_results are not used.
  std::function<core::WriteResult(const device::WritePlan&)> writer;
  std::deque<std::optional<std::string>> files;

  std::vector<Box> boxes;
  std::vector<Write> writes;
  std::vector<FileChoice> file_choices;
  int reads_again = 0;

 private:
  std::optional<std::string> NextFile() {
    if (files.empty()) return std::nullopt;
    std::optional<std::string> next = std::move(files.front());
    files.pop_front();
    return next;
  }
};

}  // namespace torvane::testing
