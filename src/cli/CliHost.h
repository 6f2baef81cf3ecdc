#pragma once

#include <string>

#include "core/Host.h"

namespace torvane::cli {

class AdapterLink;
class Output;
class Prompter;

// The core's host on the command line: questions go to the prompter (a box with OK alone is told and taken as
// OK), messages to the output, writes to the adapter link with a progress bar, and the file a flow asks for is the
// one the command line named.
class CliHost final : public core::Host {
 public:
  CliHost(Output& output, const Prompter& prompter, AdapterLink& link)
      : output_(output), prompter_(prompter), link_(link) {}

  // The file the next flow reads or writes.
  void set_file(std::string path) { file_ = std::move(path); }

  int Ask(std::string_view title, std::string_view text, core::Buttons buttons) override;
  void Tell(std::string_view title, std::string_view text, core::Tone tone) override;
  core::WriteResult RunWrite(const device::WritePlan& plan, core::WriteKind kind) override;
  // Nothing: the command ends after its write, and the next one reads the adapter afresh.
  void ReadAdapterAgain() override {}
  std::optional<std::string> ChooseFileToOpen(std::string_view title, model::ExchangeKind kind) override;
  // The named file with the kind's extension added, as the manager's save dialog adds it; an existing one is
  // replaced only after a Yes.
  std::optional<std::string> ChooseFileToSave(std::string_view title, std::string_view suggested_name,
                                              model::ExchangeKind kind) override;

 private:
  Output& output_;
  const Prompter& prompter_;
  AdapterLink& link_;
  std::string file_;
};

}  // namespace torvane::cli
