#pragma once
// The handlers of the code-table group: generating the table into the table box, the three
// style presets, the two option interlocks, and copying and saving the table.

#include "app/toolkit.h"

namespace quorbit::table {

void GenerateTableClicked(Toolkit& tk);

void ApplyStyle1(Toolkit& tk);
void ApplyStyle2(Toolkit& tk);
void ApplyStyleDefault(Toolkit& tk);

// Each option makes one symbol box irrelevant while it is checked.
void HideOffClicked(Toolkit& tk);
void ShowPositionsClicked(Toolkit& tk);

void CopyTableClicked(Toolkit& tk);
void SaveTableClicked(Toolkit& tk);

}  // namespace quorbit::table
