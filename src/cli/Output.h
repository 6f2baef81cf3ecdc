#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace torvane::cli {

// What the program tells: lines for a person, in the terminal's character set,
// or one JSON object in UTF-8 for a script. Texts come in as UTF-8. The
// manager's message box texts keep their words; for a person their carriage
// returns and surrounding line breaks go, a script gets them as they are.
class Output {
 public:
  explicit Output(bool json) : json_(json) {}

  bool json() const { return json_; }
  // The command's result, printed as one object by Finish in JSON mode.
  nlohmann::ordered_json& data() { return data_; }

  // A line of the command's result for a person; nothing in JSON mode (the data carries it).
  void Line(std::string_view text);
  // A message box the manager would show after success.
  void Message(std::string_view title, std::string_view text);
  // A message box of a failure; it goes to standard error for a person.
  void Error(std::string_view title, std::string_view text);

  // Prints the JSON object with the exit code (JSON mode) and returns the code.
  int Finish(int exit_code);

  // A message box text as a person reads it on a terminal.
  static std::string Plain(std::string_view text);

 private:
  bool json_;
  nlohmann::ordered_json data_ = nlohmann::ordered_json::object();
};

}  // namespace torvane::cli
