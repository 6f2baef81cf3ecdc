#include "soak/SoakReport.h"

#include <iomanip>

namespace torvane::soak {

void SoakReport::Fail(int cycle, std::string_view what) {
  failures.push_back("cycle " + std::to_string(cycle) + ": " + std::string(what));
}

void SoakReport::Lose(int cycle, std::string_view what) {
  ++lost_edits;
  Fail(cycle, "lost edit: " + std::string(what));
}

void SoakReport::CheckFigures() {
  if (memory_checked && end.rss_kib - middle.rss_kib >= kAllowedGrowthKib) {
    Fail(cycles, "resident memory grew by " + std::to_string(end.rss_kib - middle.rss_kib) + " KiB after cycle " +
                     std::to_string(middle_cycle));
  }
  if (end.descriptors != start.descriptors) {
    Fail(cycles, "open descriptors " + std::to_string(start.descriptors) + " at the start, " +
                     std::to_string(end.descriptors) + " at the end: [" + start.descriptor_names + "] then [" +
                     end.descriptor_names + "]");
  }
  if (end.threads != start.threads) {
    Fail(cycles, "threads " + std::to_string(start.threads) + " at the start, " + std::to_string(end.threads) +
                     " at the end: [" + start.thread_names + "] then [" + end.thread_names + "]");
  }
}

void SoakReport::Print(std::ostream& out) const {
  int injected = 0;
  for (const auto& [kind, count] : faults) injected += count;
  out << "soak report (seed " << seed << ")\n"
      << "  cycles:                    " << cycles << "\n"
      << "  faults injected:           " << injected << "\n";
  for (const auto& [kind, count] : faults) out << "    " << std::left << std::setw(25) << kind << count << "\n";
  out << "  unplugged and plugged in:  " << replugs << "\n"
      << "  window saves failed:       " << window_saves_failed << ", recovered " << window_saves_recovered << "\n"
      << "  window reads failed:       " << window_reads_failed << ", recovered " << window_reads_recovered << "\n"
      << "  command-line runs failed:  " << commands_failed << ", recovered " << commands_recovered << " (" << restores
      << " after restoring the backup taken before the write)\n"
      << "  lost edits:                " << lost_edits << "\n"
      << "  resident memory:           " << start.rss_kib << " KiB at the start, " << middle.rss_kib << " KiB at cycle "
      << middle_cycle << ", " << end.rss_kib << " KiB at the end (" << std::showpos << end.rss_kib - middle.rss_kib
      << std::noshowpos << " KiB after cycle " << middle_cycle
      << (memory_checked ? "" : ", not checked in a sanitizer build") << ")\n"
      << "  open descriptors:          " << start.descriptors << " at the start, " << end.descriptors << " at the end\n"
      << "  threads:                   " << start.threads << " at the start, " << end.threads << " at the end\n"
      << "  time:                      " << std::fixed << std::setprecision(1) << seconds << " s\n";
  for (const std::string& failure : failures) out << "FAILED " << failure << "\n";
  out << (Passed() ? "PASSED" : "FAILED") << "\n";
}

}  // namespace torvane::soak
