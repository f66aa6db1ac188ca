// Properties of the code table for any settings texts: the plan refuses what is too large and
// agrees with what is generated, lines break where the cells say, and every line is made of its
// cells as the table defines them.
//
// The input is the settings as lines: spacing, count, columns, OFF symbol, ON symbol, and a
// last line whose first three bytes, when odd ("1"), check widen, hide OFF and show positions.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "table/generator.h"
#include "tests/fuzz/check.h"

namespace quorbit::table {
namespace {

using text::Text;

// Planned tables above these are not generated, so that every input runs in milliseconds;
// the bounds of PlanTable itself are met by every input.
constexpr std::int32_t kMaxFuzzCells = 20000;
constexpr std::int64_t kMaxFuzzBytes = 1 << 22;

TableSettings ReadSettings(std::string_view input) {
  std::vector<Text> fields;
  while (fields.size() < 5) {
    const std::size_t end = input.find('\n');
    fields.emplace_back(input.substr(0, end));
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
  }
  TableSettings settings;
  settings.spacing = fields[0];
  settings.count = fields[1];
  settings.columns = fields[2];
  // A single-line box holds no line break; the checks below tell lines apart by them.
  for (const int i : {3, 4}) std::erase_if(fields[i], [](char c) { return c == '\r'; });
  settings.off_symbol = fields[3];
  settings.on_symbol = fields[4];
  const auto checked = [&](std::size_t i) { return i < input.size() && (input[i] & 1) != 0; };
  settings.widen = checked(0);
  settings.hide_off = checked(1);
  settings.show_positions = checked(2);
  return settings;
}

// The cell for address h as the table defines it: the spacing, then 15 spaces for an address
// beyond the count, or the label, "、 " and every switch from 1 up shown by its state.
Text ExpectedCell(std::int32_t h, const TableSettings& settings, const TablePlan& plan) {
  Text cell(static_cast<std::size_t>(std::max(plan.spacing, 0)), ' ');
  if (text::RealGreater(h, plan.count)) return cell + Text(15, ' ');
  cell += h < 10 ? "  T" : h < 100 ? " T" : "T";
  cell += text::IntToText(h);
  cell += "\xA1\xA2 ";  // "、 "
  // Switch p is ON when bit p - 1 of h is set; at least 8 switches. The digits of a negative
  // address are those of its real remainder by 2: "-1" for an odd one (the "-" shows as
  // nothing, so switch 2 is ON), "0" for an even one, then OFF switches up to 8.
  const auto bits = static_cast<std::uint32_t>(h);
  const int switches = h < 0 ? 8 : std::max(8, static_cast<int>(std::bit_width(bits)));
  for (int p = h < 0 && h % 2 != 0 ? 2 : 1; p <= switches; ++p) {
    const bool on = h < 0 ? p == 2 && h % 2 != 0 : ((bits >> (p - 1)) & 1) != 0;
    if (on) {
      cell += settings.show_positions ? text::IntToText(p) : settings.on_symbol;
    } else {
      cell += settings.hide_off ? " " : settings.off_symbol;
    }
    if (settings.widen) cell += ' ';
  }
  return cell;
}

bool HasLineBreak(std::string_view line) { return line.find_first_of("\r\n") != line.npos; }

void FuzzOne(std::string_view input) {
  const TableSettings settings = ReadSettings(input);
  const TablePlan plan = PlanTable(settings);

  const double columns = text::TextToReal(settings.columns);
  CHECK((plan.outcome == PlanOutcome::kNoColumns) == (columns == 0.0));
  if (plan.outcome == PlanOutcome::kNoColumns) return;
  if (plan.cells > kMaxCells) CHECK(plan.outcome == PlanOutcome::kTooLarge);
  if (plan.outcome == PlanOutcome::kTooLarge) return;
  CHECK(plan.bytes >= 0 && plan.bytes <= kMaxBytes);
  CHECK(plan.longest_line <= plan.bytes);

  // Whole counts and columns: R is the ceiling of N / C, and there are R × C cells.
  const double count = text::TextToReal(settings.count);
  const auto whole = [](double x) { return x >= 1 && x <= kMaxCells && x == std::trunc(x); };
  if (whole(count) && whole(columns)) {
    const auto n = static_cast<std::int64_t>(count);
    const auto c = static_cast<std::int64_t>(columns);
    CHECK(plan.rows == (n + c - 1) / c);
    CHECK(plan.cells == plan.rows * c);
  }

  if (plan.cells > kMaxFuzzCells || plan.bytes > kMaxFuzzBytes) return;
  std::vector<Text> lines;
  std::int64_t bytes = 0;
  GenerateTable(settings, plan, [&](const Text& line) {
    lines.push_back(line);
    bytes += static_cast<std::int64_t>(line.size());
  });
  CHECK(bytes == plan.bytes);

  // A line ends after line_cells cells (after every cell when that is 1 or less); a last line
  // with fewer is partial and alone has no CR LF.
  const std::int64_t cells = std::max(plan.cells, 0);
  const std::int64_t per_line = std::max(plan.line_cells, 1);
  const std::int64_t full_lines = cells / per_line;
  const bool partial = cells % per_line != 0;
  CHECK(static_cast<std::int64_t>(lines.size()) == full_lines + (partial ? 1 : 0));
  std::int64_t longest = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const bool full = static_cast<std::int64_t>(i) < full_lines;
    CHECK(line.ends_with("\r\n") == full);
    CHECK(!HasLineBreak(line.substr(0, line.size() - (full ? 2 : 0))));
    longest = std::max(longest, static_cast<std::int64_t>(line.size()));
  }
  CHECK(longest == plan.longest_line);

  // Line L holds, at position k, the address R × (k − 1) + L (column after column), wrapped
  // to 32 bits; every product here is exact in a double, as the real arithmetic is.
  std::int64_t cell = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Text expected;
    const std::int64_t line_number = static_cast<std::int64_t>(i) + 1;
    for (std::int64_t k = 1; k <= per_line && cell < cells; ++k, ++cell) {
      const std::int64_t address = static_cast<std::int64_t>(plan.rows) * (k - 1) + line_number;
      expected += ExpectedCell(static_cast<std::int32_t>(static_cast<std::uint32_t>(address)),
                               settings, plan);
    }
    if (static_cast<std::int64_t>(i) < full_lines) expected += "\r\n";
    CHECK(lines[i] == expected);
  }
}

}  // namespace
}  // namespace quorbit::table

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorbit::table::FuzzOne(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
