#include "table/generator.h"

#include <algorithm>
#include <bit>
#include <string>
#include <string_view>

namespace quorbit::table {
namespace {

using text::IntToReal;
using text::IntToText;
using text::RealToInt;
using text::Text;

constexpr char kSeparator[] = "\xA1\xA2 ";  // "、 "
constexpr std::int64_t kSeparatorBytes = 3;
constexpr std::int64_t kBlankBytes = 15;  // after the spacing
constexpr std::size_t kMinPatternLength = 8;

// Calls on_cell(h, ends_line) for every cell in reading order, h being the address shown in it.
template <typename OnCell>
void ForEachCell(const TablePlan& plan, OnCell on_cell) {
  const double rows = IntToReal(plan.rows);
  std::int32_t k = 0;
  std::int32_t line = 1;
  for (std::int32_t i = 0; i < plan.cells; ++i) {
    ++k;
    // R * k - (R - L), one rounded real operation at a time: R * (k - 1) + L.
    const double product = rows * IntToReal(k);
    const double offset = rows - IntToReal(line);
    const double address = product - offset;
    const bool ends_line = k >= plan.line_cells;
    on_cell(RealToInt(address), ends_line);
    if (ends_line) {
      ++line;
      k = 0;
    }
  }
}

bool IsBlank(std::int32_t address, const TablePlan& plan) {
  return text::RealGreater(IntToReal(address), plan.count);
}

std::string_view LabelPrefix(std::int32_t address) {
  return address < 10 ? "  T" : address < 100 ? " T" : "T";
}

std::int64_t DecimalBytes(std::int32_t value) {
  std::int64_t rest = value;
  std::int64_t bytes = 1;
  if (rest < 0) {
    rest = -rest;
    ++bytes;
  }
  for (; rest >= 10; rest /= 10) ++bytes;
  return bytes;
}

// The base-2 digits of the address, least significant first, at least eight of them. Integer
// remainder and quotient by 2 equal the real ones here, which are exact for 32-bit values; an
// odd negative address starts with "-1" and stops there, as the real remainder gives.
void BuildBitPattern(std::int32_t address, std::string& pattern) {
  pattern.clear();
  pattern += IntToText(address % 2);
  for (std::int32_t t = address / 2; t >= 1; t /= 2) {
    pattern += static_cast<char>('0' + t % 2);
  }
  if (pattern.size() < kMinPatternLength) {
    pattern.append(kMinPatternLength - pattern.size(), '0');
  }
}

// How the pattern of BuildBitPattern is made up, without building it.
struct PatternShape {
  std::int64_t zeros = 0;
  std::int64_t ones = 0;
  std::int64_t one_position_bytes = 0;  // the switch numbers of the ON bits, written out
};

PatternShape ShapeOf(std::int32_t address) {
  if (address < 0) {
    // "-1000000" for odd, "00000000" for even addresses; the "-" renders as nothing.
    return address % 2 != 0 ? PatternShape{6, 1, 1} : PatternShape{8, 0, 0};
  }
  const auto bits = static_cast<std::uint32_t>(address);
  const std::int64_t width = std::bit_width(bits);
  const std::int64_t length = std::max(width, static_cast<std::int64_t>(kMinPatternLength));
  const std::int64_t ones = std::popcount(bits);
  // Switch numbers from 10 on (bit 9 and up) take two digits.
  return PatternShape{length - ones, ones, ones + std::popcount(bits >> 9)};
}

std::int64_t ShownCellBytes(std::int32_t address, const TableSettings& settings) {
  const PatternShape shape = ShapeOf(address);
  const std::int64_t gap = settings.widen ? 1 : 0;
  const std::int64_t off_bytes =
      (settings.hide_off ? 1 : static_cast<std::int64_t>(settings.off_symbol.size())) + gap;
  const std::int64_t on_bytes =
      settings.show_positions ? shape.one_position_bytes
                              : shape.ones * static_cast<std::int64_t>(settings.on_symbol.size());
  const auto label_bytes =
      static_cast<std::int64_t>(LabelPrefix(address).size()) + DecimalBytes(address);
  return label_bytes + kSeparatorBytes + shape.zeros * off_bytes + shape.ones * gap + on_bytes;
}

void AppendBitText(const std::string& pattern, const TableSettings& settings, Text& line) {
  for (std::size_t p = 1; p <= pattern.size(); ++p) {
    const char bit = pattern[p - 1];
    if (bit == '0' && settings.hide_off) {
      line += ' ';
    } else if (bit == '0') {
      line += settings.off_symbol;
    } else if (bit == '1' && settings.show_positions) {
      line += IntToText(static_cast<std::int32_t>(p));
    } else if (bit == '1') {
      line += settings.on_symbol;
    } else {
      continue;
    }
    if (settings.widen) line += ' ';
  }
}

}  // namespace

TablePlan PlanTable(const TableSettings& settings) {
  TablePlan plan;
  const double count = text::TextToReal(settings.count);
  const double columns = text::TextToReal(settings.columns);
  const auto remainder = text::RealMod(count, columns);
  const auto quotient = text::RealIntDiv(count, columns);
  if (!remainder || !quotient) {
    plan.outcome = PlanOutcome::kNoColumns;
    return plan;
  }
  plan.spacing = RealToInt(text::TextToReal(settings.spacing));
  plan.count = count;
  plan.rows =
      text::RealNotEqual(*remainder, 0.0) ? RealToInt(*quotient + 1.0) : RealToInt(*quotient);
  plan.cells = RealToInt(IntToReal(plan.rows) * columns);
  plan.line_cells = text::TextToInt(settings.columns);
  // Checked first so that a huge count is refused without a walk over its cells.
  if (plan.cells > kMaxCells) {
    plan.outcome = PlanOutcome::kTooLarge;
    return plan;
  }

  // At most kMaxCells cells of at most a few thousand million bytes each: no int64 overflow.
  const std::int64_t spacing = std::max(plan.spacing, 0);
  std::int64_t line = 0;
  ForEachCell(plan, [&](std::int32_t address, bool ends_line) {
    line += spacing + (IsBlank(address, plan) ? kBlankBytes : ShownCellBytes(address, settings));
    if (ends_line) {
      line += 2;
      plan.bytes += line;
      plan.longest_line = std::max(plan.longest_line, line);
      line = 0;
    }
  });
  plan.bytes += line;
  plan.longest_line = std::max(plan.longest_line, line);
  if (plan.bytes > kMaxBytes || plan.longest_line > kMaxLineBytes) {
    plan.outcome = PlanOutcome::kTooLarge;
    plan.bytes = 0;
    plan.longest_line = 0;
  }
  return plan;
}

void GenerateTable(const TableSettings& settings, const TablePlan& plan,
                   const std::function<void(const text::Text&)>& append) {
  // Without cells no byte bound limits the spacing, which is then not built at all.
  if (plan.outcome != PlanOutcome::kTable || plan.cells <= 0) return;
  const Text spacing(static_cast<std::size_t>(std::max(plan.spacing, 0)), ' ');
  Text line;
  line.reserve(static_cast<std::size_t>(plan.longest_line));
  std::string pattern;
  ForEachCell(plan, [&](std::int32_t address, bool ends_line) {
    line += spacing;
    if (IsBlank(address, plan)) {
      line.append(kBlankBytes, ' ');
    } else {
      line += LabelPrefix(address);
      line += IntToText(address);
      line += kSeparator;
      BuildBitPattern(address, pattern);
      AppendBitText(pattern, settings, line);
    }
    if (ends_line) {
      line += "\r\n";
      append(line);
      line.clear();
    }
  });
  if (!line.empty()) append(line);
}

}  // namespace quorbit::table
