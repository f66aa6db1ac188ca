#pragma once
// The code table: for every address from 1 up to a count, its label and its DIP-switch bit
// pattern (switch 1 first), in columns ordered top to bottom. Pure; the handler reads the
// settings from the controls and feeds the produced lines into the table box.

#include <cstdint>
#include <functional>

#include "text/rules.h"

namespace quorbit::table {

// Larger tables would freeze the window for a long time or exhaust memory, so they are
// refused before any cell is produced. The box pays for every line it holds and lays out
// each line it shows whole, so lines are bounded apart from cells and bytes; within these
// bounds every table fills the box in well under a second (bench/table_bench.cc).
inline constexpr std::int32_t kMaxCells = 200'000;
inline constexpr std::int64_t kMaxBytes = 4 * 1024 * 1024;
inline constexpr std::int64_t kMaxLineBytes = 32 * 1024;

// The texts and states of the settings controls, as read when the table is made.
struct TableSettings {
  text::Text spacing;  // spaces in front of every cell
  text::Text count;    // the highest address listed
  text::Text columns;  // cells per line
  text::Text off_symbol;
  text::Text on_symbol;
  bool widen = false;           // a space after every bit
  bool hide_off = false;        // OFF bits as blank space
  bool show_positions = false;  // ON bits as their switch number
};

enum class PlanOutcome { kTable, kNoColumns, kTooLarge };

// The numbers the table is made from, worked out before any cell is produced.
struct TablePlan {
  PlanOutcome outcome = PlanOutcome::kTable;
  std::int32_t spacing = 0;     // none when zero or negative
  double count = 0;             // cells whose address exceeds it stay blank
  std::int32_t rows = 0;        // the address step from one column to the next
  std::int32_t cells = 0;       // none when zero or negative
  std::int32_t line_cells = 0;  // a line ends once it holds at least this many cells
  // The exact size of the table and of its longest line, CR LF included; set only for kTable.
  std::int64_t bytes = 0;
  std::int64_t longest_line = 0;
};

TablePlan PlanTable(const TableSettings& settings);

// Hands the table to `append` line by line: each full line with its CR LF, a partly filled
// last line without one. Produces nothing unless the plan's outcome is kTable.
void GenerateTable(const TableSettings& settings, const TablePlan& plan,
                   const std::function<void(const text::Text&)>& append);

}  // namespace quorbit::table
