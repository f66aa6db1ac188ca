#pragma once
// The code-table settings as the window opens, for the tests and benchmarks of the table.

#include "table/generator.h"

namespace quorbit::testing {

inline table::TableSettings InitialSettings() {
  table::TableSettings settings;
  settings.spacing = "3";
  settings.count = "255";
  settings.columns = "5";
  settings.off_symbol = "0";
  settings.on_symbol = "1";
  return settings;
}

}  // namespace quorbit::testing
