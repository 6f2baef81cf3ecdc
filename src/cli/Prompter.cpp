#include "cli/Prompter.h"

#include <iostream>
#include <string>

#include "cli/Output.h"
#include "platform/Terminal.h"

namespace torvane::cli {

bool Prompter::Ask(std::string_view title, std::string_view question) const {
  if (assume_yes_) return true;
  std::cerr << platform::Utf8ToTerminal(std::string(title) + ": " + Output::Plain(question)) << " [y/N] " << std::flush;
  std::string answer;
  if (!std::getline(std::cin, answer)) {
    std::cerr << '\n';
    return false;
  }
  return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
}

}  // namespace torvane::cli
