// How long a click on "生成编码表" takes in the real window, from the click until the handler
// returns, and until the box has been painted once more: for the initial settings, for 65 535
// addresses in one column, and for the largest tables of several shapes the bound accepts.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/controls.h"
#include "table/generator.h"
#include "tests/initial_settings.h"

namespace quorbit {
namespace {

using table::TableSettings;

constexpr char kWideOff[] = "\xD6\xD0";  // "中": one character, two GBK bytes
constexpr char kWideOn[] = "\xCE\xC4";   // "文"

TableSettings Initial() { return quorbit::testing::InitialSettings(); }

// A shape of table; `grow` writes a size into the settings. A shape without `grow` is
// generated as it stands; one with it at the largest size the bound accepts.
struct Shape {
  std::string name;
  std::function<void(TableSettings&)> base;
  std::function<void(TableSettings&, std::int64_t)> grow;
};

TableSettings Build(const Shape& shape, std::int64_t size) {
  TableSettings settings = Initial();
  shape.base(settings);
  if (shape.grow) shape.grow(settings, size);
  return settings;
}

bool Accepted(const TableSettings& settings) {
  return table::PlanTable(settings).outcome == table::PlanOutcome::kTable;
}

// The bound only grows with the size, so the largest accepted size is found by bisection.
TableSettings Largest(const Shape& shape) {
  std::int64_t accepted = 1;
  std::int64_t refused = std::int64_t{1} << 31;
  while (refused - accepted > 1) {
    const std::int64_t middle = accepted + (refused - accepted) / 2;
    (Accepted(Build(shape, middle)) ? accepted : refused) = middle;
  }
  return Build(shape, accepted);
}

std::vector<Shape> Shapes() {
  const auto none = [](TableSettings&) {};
  const auto count = [](TableSettings& s, std::int64_t n) { s.count = std::to_string(n); };
  return {
      {"initial", none, nullptr},
      {"65535_in_one_column",
       [](TableSettings& s) {
         s.count = "65535";
         s.columns = "1";
       },
       nullptr},
      {"65535_in_one_column_widened_two_byte_symbols",
       [](TableSettings& s) {
         s.count = "65535";
         s.columns = "1";
         s.widen = true;
         s.off_symbol = kWideOff;
         s.on_symbol = kWideOn;
       },
       nullptr},
      {"largest/short_lines",
       [](TableSettings& s) {
         s.spacing = "0";
         s.columns = "1";
         s.off_symbol = s.on_symbol = "";
       },
       count},
      {"largest/one_column", [](TableSettings& s) { s.columns = "1"; }, count},
      {"largest/five_columns", none, count},
      {"largest/widened_two_byte_symbols",
       [](TableSettings& s) {
         s.widen = true;
         s.off_symbol = kWideOff;
         s.on_symbol = kWideOn;
       },
       count},
      {"largest/long_lines_of_two_byte_symbols",
       [](TableSettings& s) {
         s.columns = "500";
         s.widen = true;
         s.off_symbol = kWideOff;
         s.on_symbol = kWideOn;
       },
       count},
      {"largest/one_line_of_cells", none,
       [](TableSettings& s, std::int64_t n) { s.count = s.columns = std::to_string(n); }},
      {"largest/one_line_of_spacing", [](TableSettings& s) { s.count = s.columns = "1"; },
       [](TableSettings& s, std::int64_t n) { s.spacing = std::to_string(n); }},
      {"largest/hundred_lines_of_spacing",
       [](TableSettings& s) {
         s.count = "100";
         s.columns = "1";
       },
       [](TableSettings& s, std::int64_t n) { s.spacing = std::to_string(n); }},
      {"largest/ten_lines_of_spacing",
       [](TableSettings& s) {
         s.count = "10";
         s.columns = "1";
       },
       [](TableSettings& s, std::int64_t n) { s.spacing = std::to_string(n); }},
  };
}

class Window {
 public:
  Window() : window_(app::OpenMainWindow()) {
    // The layout's typing limits would cut the exact sizes written below.
    for (auto name : {ctl::编辑框_列间距, ctl::编辑框_地址数, ctl::编辑框_列}) {
      Find<QLineEdit>(name)->setMaxLength(32767);
    }
  }

  void Apply(const TableSettings& settings) {
    Toolkit& tk = window_->toolkit();
    tk.SetText(tk.Find(ctl::编辑框_列间距), settings.spacing);
    tk.SetText(tk.Find(ctl::编辑框_地址数), settings.count);
    tk.SetText(tk.Find(ctl::编辑框_列), settings.columns);
    tk.SetText(tk.Find(ctl::编辑框_0), settings.off_symbol);
    tk.SetText(tk.Find(ctl::编辑框_1), settings.on_symbol);
    tk.SetChecked(tk.Find(ctl::选择框_加宽), settings.widen);
    tk.SetChecked(tk.Find(ctl::选择框_不显示), settings.hide_off);
    tk.SetChecked(tk.Find(ctl::选择框_显示位数), settings.show_positions);
  }

  Text Table() const {
    const Toolkit& tk = window_->toolkit();
    return tk.GetText(tk.Find(ctl::编辑框1));
  }

  template <typename T>
  T* Find(std::string_view name) const {
    return window_->frame()->findChild<T*>(
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }

 private:
  std::unique_ptr<MainWindowImpl> window_;
};

Window* window = nullptr;

void Generate(benchmark::State& state, const TableSettings& settings, bool paint) {
  window->Apply(settings);
  auto* button = window->Find<QPushButton>(ctl::按钮_制表);
  auto* box = window->Find<QPlainTextEdit>(ctl::编辑框1);
  const table::TablePlan plan = table::PlanTable(settings);
  if (plan.outcome != table::PlanOutcome::kTable) {
    state.SkipWithError("the bound refuses this table");  // its message box would wait
    return;
  }
  for (auto _ : state) {
    button->click();
    if (paint) box->viewport()->repaint();
  }
  state.counters["bytes"] = static_cast<double>(plan.bytes);
  state.counters["cells"] = static_cast<double>(plan.cells);
  state.counters["longest_line"] = static_cast<double>(plan.longest_line);
  // Once per run, outside the timing: the box must hold the very table that was planned.
  if (static_cast<std::int64_t>(window->Table().size()) != plan.bytes) {
    state.SkipWithError("the box does not hold the planned table");
  }
}

}  // namespace
}  // namespace quorbit

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  quorbit::app::SetUpApplication();
  quorbit::Window window;
  quorbit::window = &window;
  for (const quorbit::Shape& shape : quorbit::Shapes()) {
    const quorbit::table::TableSettings settings =
        shape.grow ? quorbit::Largest(shape) : quorbit::Build(shape, 0);
    for (const bool paint : {false, true}) {
      const std::string name = "Generate/" + shape.name + (paint ? "/painted" : "/handler");
      benchmark::RegisterBenchmark(name.c_str(), quorbit::Generate, settings, paint)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime()
          ->Repetitions(5)
          ->ReportAggregatesOnly(true);
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
