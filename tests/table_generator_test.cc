#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "table/generator.h"
#include "tests/initial_settings.h"

namespace quorbit::table {
namespace {

using text::Text;

// Expected lines are written with "," standing for the ideographic comma "、".
Text Gbk(std::string_view line) {
  Text out;
  for (const char c : line) {
    if (c == ',') {
      out += "\xA1\xA2";  // "、"
    } else {
      out += c;
    }
  }
  return out;
}

TableSettings Initial() { return quorbit::testing::InitialSettings(); }

template <typename Change>
TableSettings With(Change change) {
  TableSettings settings = Initial();
  change(settings);
  return settings;
}

void Style1(TableSettings& s) {
  s.off_symbol = "_";
  s.show_positions = true;
}

void Style2(TableSettings& s) {
  s.off_symbol = "^";
  s.widen = true;
  s.show_positions = true;
  s.columns = "2";
}

struct Table {
  TablePlan plan;
  std::vector<Text> lines;  // one per call of the sink
  Text all;
};

Table Make(const TableSettings& settings) {
  Table table;
  table.plan = PlanTable(settings);
  GenerateTable(settings, table.plan, [&](const Text& line) {
    table.lines.push_back(line);
    table.all += line;
  });
  return table;
}

bool EndsWithCrLf(const Text& line) { return line.ends_with("\r\n"); }

Text WithoutCrLf(const Text& line) {
  return EndsWithCrLf(line) ? line.substr(0, line.size() - 2) : line;
}

struct TableCase {
  const char* name;
  TableSettings settings;
  std::size_t lines;
  std::int64_t bytes;
  bool last_line_complete;
  // Line number (from 1; negative counts from the end) and its text without the CR LF.
  std::vector<std::pair<int, std::string>> chosen;
};

TEST(TableGeneratorTest, ProducesTheTablesLineByLine) {
  const std::string blank(18, ' ');  // spacing 3 and 15 spaces
  const std::vector<TableCase> cases = {
      {"initial settings: 51 lines of 90 bytes",
       Initial(),
       51,
       4692,
       true,
       {{1,
         "     T1, 10000000    T52, 00101100   T103, 11100110   T154, 01011001   T205, 10110011"},
        {2,
         "     T2, 01000000    T53, 10101100   T104, 00010110   T155, 11011001   T206, 01110011"},
        {50,
         "    T50, 01001100   T101, 10100110   T152, 00011001   T203, 11010011   T254, 01111111"},
        {51,
         "    T51, 11001100   T102, 01100110   T153, 10011001   T204, 00110011   T255, 11111111"}}},
      {"style 1: OFF as _ and ON bits as switch numbers",
       With(Style1),
       51,
       4692,
       true,
       {{1,
         "     T1, 1_______    T52, __3_56__   T103, 123__67_   T154, _2_45__8   T205, 1_34__78"},
        {51,
         "    T51, 12__56__   T102, _23__67_   T153, 1__45__8   T204, __34__78   T255, 12345678"}}},
      {"style 2: widened lines end in a space, the last cell for 256 is blank",
       With(Style2),
       128,
       6904,
       true,
       {{1, "     T1, 1 ^ ^ ^ ^ ^ ^ ^    T129, 1 ^ ^ ^ ^ ^ ^ 8 "},
        {127, "   T127, 1 2 3 4 5 6 7 ^    T255, 1 2 3 4 5 6 7 8 "},
        {128, "   T128, ^ ^ ^ ^ ^ ^ ^ 8 " + blank}}},
      {"default preset: four columns",
       With([](TableSettings& s) { s.columns = "4"; }),
       64,
       4736,
       true,
       {{1, "     T1, 10000000    T65, 10000010   T129, 10000001   T193, 10000011"},
        {64, "    T64, 00000010   T128, 00000001   T192, 00000011" + blank}}},
      {"count 13: a remainder adds a row, 14 and 15 are blank",
       With([](TableSettings& s) { s.count = "13"; }),
       3,
       276,
       true,
       {{1,
         "     T1, 10000000     T4, 00100000     T7, 11100000    T10, 01010000    T13, 10110000"},
        {2, "     T2, 01000000     T5, 10100000     T8, 00010000    T11, 11010000" + blank},
        {3, "     T3, 11000000     T6, 01100000     T9, 10010000    T12, 00110000" + blank}}},
      {"count 12: the fifth column is blank",
       With([](TableSettings& s) { s.count = "12"; }),
       3,
       276,
       true,
       {{1, "     T1, 10000000     T4, 00100000     T7, 11100000    T10, 01010000" + blank},
        {3, "     T3, 11000000     T6, 01100000     T9, 10010000    T12, 00110000" + blank}}},
      {"count 1: one shown cell and four blank ones",
       With([](TableSettings& s) { s.count = "1"; }),
       1,
       92,
       true,
       {{1, "     T1, 10000000" + blank + blank + blank + blank}}},
      {"count 10.5: addresses above 10 are blank",
       With([](TableSettings& s) { s.count = "10.5"; }),
       3,
       276,
       true,
       {{2, "     T2, 01000000     T5, 10100000     T8, 00010000" + blank + blank}}},
      {"count 300 with style 1: nine-bit patterns stay whole",
       With([](TableSettings& s) {
         Style1(s);
         s.count = "300";
       }),
       60,
       5565,
       true,
       {{60,
         "    T60, __3456__   T120, ___4567_   T180, __3_56_8   T240, ____5678   T300, "
         "__34_6__9"}}},
      {"count 300 with the initial symbols",
       With([](TableSettings& s) { s.count = "300"; }),
       60,
       5565,
       true,
       {{60,
         "    T60, 00111100   T120, 00011110   T180, 00101101   T240, 00001111   T300, "
         "001101001"}}},
      {"count 1000: five-character labels and ten-bit patterns",
       With([](TableSettings& s) { s.count = "1000"; }),
       200,
       19635,
       true,
       {{200,
         "   T200, 00010011   T400, 000010011   T600, 0001101001   T800, 0000010011   T1000, "
         "0001011111"}}},
      {"spacing 0: cells run together",
       With([](TableSettings& s) { s.spacing = "0"; }),
       51,
       3927,
       true,
       {{1, "  T1, 10000000 T52, 00101100T103, 11100110T154, 01011001T205, 10110011"}}},
      {"negative spacing is no spacing",
       With([](TableSettings& s) { s.spacing = "-2"; }),
       51,
       3927,
       true,
       {{1, "  T1, 10000000 T52, 00101100T103, 11100110T154, 01011001T205, 10110011"}}},
      {"one column",
       With([](TableSettings& s) { s.columns = "1"; }),
       255,
       5100,
       true,
       {{1, "     T1, 10000000"}, {255, "   T255, 11111111"}}},
      {"negative column count: every cell ends its line",
       With([](TableSettings& s) { s.columns = "-5"; }),
       255,
       5100,
       true,
       {{1, "     T1, 10000000"}, {255, "   T255, 11111111"}}},
      {"column count 0.5: lines of one cell",
       With([](TableSettings& s) { s.columns = "0.5"; }),
       255,
       5100,
       true,
       {{1, "     T1, 10000000"}, {255, "   T255, 11111111"}}},
      {"column count 5.5: 258 cells in lines of 5, a partial last line",
       With([](TableSettings& s) { s.columns = "5.5"; }),
       52,
       4746,
       false,
       {{-1, "    T52, 00101100    T99, 11000110   T146, 01001001"}}},
      {"empty symbols: a shown cell ends after its separator",
       With([](TableSettings& s) {
         s.off_symbol = "";
         s.on_symbol = "";
       }),
       51,
       2652,
       true,
       {{1, "     T1,     T52,    T103,    T154,    T205, "}}},
      {"long symbols widen shown cells but not blank ones",
       With([](TableSettings& s) {
         s.off_symbol = "OFF";
         s.on_symbol = "ON";
         s.count = "1";
       }),
       1,
       107,
       true,
       {{1, "     T1, ONOFFOFFOFFOFFOFFOFFOFF" + blank + blank + blank + blank}}},
      {"long symbols, whole table",
       With([](TableSettings& s) {
         s.off_symbol = "OFF";
         s.on_symbol = "ON";
       }),
       51,
       7748,
       true,
       {}},
      {"widened hidden OFF bits take two spaces",
       With([](TableSettings& s) {
         s.widen = true;
         s.hide_off = true;
         s.count = "1";
       }),
       1,
       100,
       true,
       {{1, "     T1, 1               " + blank + blank + blank + blank}}},
      {"count between -C and 0: one line of blank cells",
       With([](TableSettings& s) { s.count = "-3"; }),
       1,
       92,
       true,
       {{1, std::string(90, ' ')}}},
      {"count between 0 and 1: one line of blank cells",
       With([](TableSettings& s) { s.count = "0.5"; }),
       1,
       92,
       true,
       {{1, std::string(90, ' ')}}},
      {"count 0: empty", With([](TableSettings& s) { s.count = "0"; }), 0, 0, true, {}},
      {"count without a number: empty",
       With([](TableSettings& s) { s.count = "abc"; }),
       0,
       0,
       true,
       {}},
      {"count -C: empty", With([](TableSettings& s) { s.count = "-5"; }), 0, 0, true, {}},
      {"count below -C: empty", With([](TableSettings& s) { s.count = "-7"; }), 0, 0, true, {}},
      {"a count beyond 32 bits wraps rows and addresses",
       With([](TableSettings& s) { s.count = "4294967299"; }),
       1,
       139,
       false,
       {{1,
         "     T1, 10000000   T858993461, 101011001100110011001100110011   T1717986921, "
         "1001011001100110011001100110011     T-1717986915, 1000000"}}},
  };

  for (const TableCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Table table = Make(c.settings);
    ASSERT_EQ(table.plan.outcome, PlanOutcome::kTable);
    EXPECT_EQ(table.lines.size(), c.lines);
    EXPECT_EQ(static_cast<std::int64_t>(table.all.size()), c.bytes);
    EXPECT_EQ(table.plan.bytes, c.bytes);
    for (std::size_t i = 0; i < table.lines.size(); ++i) {
      const bool last = i + 1 == table.lines.size();
      EXPECT_EQ(EndsWithCrLf(table.lines[i]), !last || c.last_line_complete) << "line " << i + 1;
      EXPECT_EQ(WithoutCrLf(table.lines[i]).find_first_of("\r\n"), Text::npos) << "line " << i + 1;
    }
    for (const auto& [number, expected] : c.chosen) {
      const int index = number > 0 ? number - 1 : static_cast<int>(table.lines.size()) + number;
      ASSERT_TRUE(index >= 0 && index < static_cast<int>(table.lines.size())) << "line " << number;
      EXPECT_EQ(WithoutCrLf(table.lines[index]), Gbk(expected)) << "line " << number;
    }
  }
}

TEST(TableGeneratorTest, ColumnCountReadingAsZeroGivesNoTable) {
  for (const char* columns : {"0", "", "abc", "-0", "0.0"}) {
    SCOPED_TRACE(columns);
    const Table table = Make(With([&](TableSettings& s) { s.columns = columns; }));
    EXPECT_EQ(table.plan.outcome, PlanOutcome::kNoColumns);
    EXPECT_TRUE(table.lines.empty());
  }
}

// One cell per line for the addresses 1 to `lines` (at most 255, so every line is as long),
// each line `line_bytes` long with its spacing, 15 bytes of cell and CR LF.
TableSettings FullLines(std::int64_t lines, std::int64_t line_bytes) {
  return With([&](TableSettings& s) {
    s.count = std::to_string(lines);
    s.columns = "1";
    s.spacing = std::to_string(line_bytes - 17);
  });
}
constexpr std::int64_t kFullLines = kMaxBytes / kMaxLineBytes;
static_assert(kFullLines * kMaxLineBytes == kMaxBytes && kFullLines < 255);

// One small cell per line, so that only the number of cells can reach a bound.
TableSettings ShortLines(std::int64_t cells) {
  return With([&](TableSettings& s) {
    s.spacing = "0";
    s.off_symbol = "";
    s.on_symbol = "";
    s.count = std::to_string(cells);
    s.columns = "1";
  });
}

TEST(TableGeneratorTest, RefusesRunawayTablesBeforeProducingCells) {
  const struct {
    const char* name;
    TableSettings settings;
  } cases[] = {
      {"count 1e9", With([](TableSettings& s) { s.count = "1e9"; })},
      {"column count 1e9", With([](TableSettings& s) { s.columns = "1e9"; })},
      {"spacing 1e9", With([](TableSettings& s) { s.spacing = "1e9"; })},
      {"spacing 9999 with count 1e4", With([](TableSettings& s) {
         s.spacing = "9999";
         s.count = "1e4";
       })},
      {"one cell over the cell bound", ShortLines(kMaxCells + 1)},
      {"one line over the byte bound", FullLines(kFullLines + 1, kMaxLineBytes)},
      {"one byte over the line bound", FullLines(1, kMaxLineBytes + 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Table table = Make(c.settings);
    EXPECT_EQ(table.plan.outcome, PlanOutcome::kTooLarge);
    EXPECT_TRUE(table.lines.empty());
  }
}

TEST(TableGeneratorTest, AcceptsTablesRightAtTheBounds) {
  const TablePlan at_cells = PlanTable(ShortLines(kMaxCells));
  EXPECT_EQ(at_cells.outcome, PlanOutcome::kTable);
  EXPECT_EQ(at_cells.cells, kMaxCells);

  const Table table = Make(FullLines(kFullLines, kMaxLineBytes));
  EXPECT_EQ(table.plan.outcome, PlanOutcome::kTable);
  EXPECT_EQ(static_cast<std::int64_t>(table.all.size()), kMaxBytes);
  EXPECT_EQ(static_cast<std::int64_t>(table.lines.back().size()), kMaxLineBytes);
}

// The size is worked out without building the table, so it must agree with the table built.
TEST(TableGeneratorTest, PlannedSizeMatchesTheGeneratedTable) {
  const std::vector<Text> spacings = {"-2", "0", "1", "3", "12"};
  const std::vector<Text> counts = {"0",  "1",   "13",   "255",        "300", "1000",
                                    "-3", "0.5", "10.5", "4294967299", "999", "-1e3"};
  const std::vector<Text> columns = {"1",   "2",  "4",  "5",  "7",          "5.5",
                                     "0.5", "-5", "13", "40", "4294967298", "-4294967294"};
  const std::vector<Text> symbols = {"", "0", "1", "_", "OFF", "\xA1\xF0"};  // "○"
  std::mt19937 random(20240611);
  const auto pick = [&](const std::vector<Text>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
  };
  const auto coin = [&] { return std::bernoulli_distribution(0.5)(random); };
  for (int i = 0; i < 300; ++i) {
    TableSettings settings;
    settings.spacing = pick(spacings);
    settings.count = pick(counts);
    settings.columns = pick(columns);
    settings.off_symbol = pick(symbols);
    settings.on_symbol = pick(symbols);
    settings.widen = coin();
    settings.hide_off = coin();
    settings.show_positions = coin();
    SCOPED_TRACE(settings.spacing + " " + settings.count + " " + settings.columns + " [" +
                 settings.off_symbol + "] [" + settings.on_symbol + "] " +
                 std::to_string(settings.widen) + std::to_string(settings.hide_off) +
                 std::to_string(settings.show_positions));
    const Table table = Make(settings);
    ASSERT_EQ(table.plan.outcome, PlanOutcome::kTable);
    EXPECT_EQ(static_cast<std::int64_t>(table.all.size()), table.plan.bytes);
    std::int64_t longest = 0;
    for (const Text& line : table.lines) {
      longest = std::max(longest, static_cast<std::int64_t>(line.size()));
    }
    EXPECT_EQ(longest, table.plan.longest_line);
  }
}

// With no cell to stand in front of, even the largest spacing is never built.
TEST(TableGeneratorTest, HugeSpacingWithoutCellsCostsNothing) {
  for (const char* count : {"0", "abc", "-5"}) {
    SCOPED_TRACE(count);
    const Table table = Make(With([&](TableSettings& s) {
      s.spacing = "2e9";
      s.count = count;
    }));
    EXPECT_EQ(table.plan.outcome, PlanOutcome::kTable);
    EXPECT_TRUE(table.lines.empty());
  }
}

}  // namespace
}  // namespace quorbit::table
