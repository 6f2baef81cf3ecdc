#pragma once

#include <string_view>

namespace torvane::model {

// Texts the player is shown about configuration and macro table changes,
// exactly as the manager has always worded them (blanks included).
inline constexpr std::string_view kMsgConfigsExceed = "\nConfigurations can not exceed 16.";
inline constexpr std::string_view kMsgMaxGameNumber = " max game number 32 !";
inline constexpr std::string_view kMsgNoUsefulColor = "no useful color.";
inline constexpr std::string_view kMsgBlankGameName = "Game name cannot be blank.";
inline constexpr std::string_view kMsgDuplicateGame = "\nA game with the same name is already in list.";
inline constexpr std::string_view kMsgDeleteConfig =
    "This configuration will be deleted from Manager.\n Are your sure?";
inline constexpr std::string_view kMsgStartupRequired = "There must be a start up configuration.";
// printf format; filled with the macro table's size.
inline constexpr const char* kMsgMacrosExceedFormat = "\nMacros  can not exceed %d.";
inline constexpr std::string_view kMsgDuplicateMacro = "\nA macro with the same name is already in list.";
inline constexpr std::string_view kMsgHoldTime = "\nHold Time >= 8ms";

inline constexpr std::string_view kMsgKeyTaken = "This key has been occupied!\r\nAre you sure?";
inline constexpr std::string_view kMsgAngleRange = "Angle should be 40~900.";

inline constexpr std::string_view kTitleWarning = "Warning";
inline constexpr std::string_view kTitleSave = "Save Configuration";
inline constexpr std::string_view kMsgSaveDone = "\nSave successfully!";

}  // namespace torvane::model
