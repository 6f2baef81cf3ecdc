#pragma once

#include <string_view>

namespace torvane::cli {

// Asks the manager's yes/no questions on the terminal: the question on
// standard error, the answer from standard input. With --yes every answer is
// yes and nothing is asked; an input that has ended answers no.
class Prompter {
 public:
  explicit Prompter(bool assume_yes) : assume_yes_(assume_yes) {}

  bool Ask(std::string_view title, std::string_view question) const;

 private:
  bool assume_yes_;
};

}  // namespace torvane::cli
