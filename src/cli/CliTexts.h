#pragma once

#include <string_view>

namespace torvane::cli {

// What the manager's pages say where the command line has no page to show.
inline constexpr std::string_view kNoAdapterTitle = "No Torvane Detected";
inline constexpr std::string_view kNoAdapterText = "Please ensure your Torvane is firmly connected to PC.";
inline constexpr std::string_view kIncompatibleUpgradableText =
    "Option 1: upgrade Torvane before using Torvane Manager V4.X.X.\n"
    "Option 2: use Torvane Manager  V1.X.X/2.X.X/3.X.X";
inline constexpr std::string_view kIncompatibleText = "Please use Torvane Manager  V1.X.X/2.X.X/3.X.X.";
inline constexpr std::string_view kRunUpgradeHint = "Run `torvane-cli upgrade` to do it.";
inline constexpr std::string_view kNoConsoleText =
    "The adapter serves no console this program knows: choose one with --console.";

}  // namespace torvane::cli
