#include "table/handlers.h"

#include "app/controls.h"
#include "table/generator.h"

namespace quorbit::table {
namespace {

constexpr char kHint[] = "\xCC\xE1\xCA\xBE";  // "提示"
// "编码表太大，请减少编码数、列数或列间距。"
constexpr char kTooLarge[] =
    "\xB1\xE0\xC2\xEB\xB1\xED\xCC\xAB\xB4\xF3\xA3\xAC\xC7\xEB\xBC\xF5\xC9\xD9\xB1\xE0\xC2\xEB"
    "\xCA\xFD\xA1\xA2\xC1\xD0\xCA\xFD\xBB\xF2\xC1\xD0\xBC\xE4\xBE\xE0\xA1\xA3";
constexpr char kCopied[] =
    "\xD2\xD1\xB8\xB4\xD6\xC6\xB5\xBD\xBC\xF4\xCC\xF9\xB0\xE5\xA3\xA1";  // "已复制到剪贴板！"
constexpr char kCopyFailed[] = "\xB8\xB4\xD6\xC6\xCA\xA7\xB0\xDC\xA3\xA1";  // "复制失败！"
constexpr char kSaveFailed[] = "\xB1\xA3\xB4\xE6\xCA\xA7\xB0\xDC\xA3\xA1";  // "保存失败！"
constexpr char kSaveFilter[] =
    "\xCE\xC4\xB1\xBE\xCE\xC4\xBC\xFE.txt|*.txt|"
    "\xCB\xF9\xD3\xD0\xCE\xC4\xBC\xFE.*.*|*.*";  // "文本文件.txt|*.txt|所有文件.*.*|*.*"

// Set while a generation waits in its pause, where queued clicks run.
bool generation_paused = false;

struct PauseGuard {
  PauseGuard() { generation_paused = true; }
  ~PauseGuard() { generation_paused = false; }
  PauseGuard(const PauseGuard&) = delete;
  PauseGuard& operator=(const PauseGuard&) = delete;
};

TableSettings ReadSettings(const Toolkit& tk) {
  TableSettings settings;
  settings.spacing = tk.GetText(tk.Find(ctl::编辑框_列间距));
  settings.count = tk.GetText(tk.Find(ctl::编辑框_地址数));
  settings.columns = tk.GetText(tk.Find(ctl::编辑框_列));
  settings.off_symbol = tk.GetText(tk.Find(ctl::编辑框_0));
  settings.on_symbol = tk.GetText(tk.Find(ctl::编辑框_1));
  settings.widen = tk.Checked(tk.Find(ctl::选择框_加宽));
  settings.hide_off = tk.Checked(tk.Find(ctl::选择框_不显示));
  settings.show_positions = tk.Checked(tk.Find(ctl::选择框_显示位数));
  return settings;
}

struct Preset {
  const char* off_symbol;
  bool hide_off;
  bool show_positions;
  bool widen;
  const char* columns;
  bool on_symbol_enabled;
  bool off_symbol_enabled;
};

constexpr Preset kStyle1{"_", false, true, false, "5", false, true};
constexpr Preset kStyle2{"^", false, true, true, "2", false, true};
constexpr Preset kStyleDefault{"0", false, false, false, "4", true, true};

// The presets leave the ON symbol's text, the spacing and the count as they are.
void ApplyPreset(Toolkit& tk, const Preset& preset) {
  tk.SetText(tk.Find(ctl::编辑框_0), preset.off_symbol);
  tk.SetChecked(tk.Find(ctl::选择框_不显示), preset.hide_off);
  tk.SetChecked(tk.Find(ctl::选择框_显示位数), preset.show_positions);
  tk.SetChecked(tk.Find(ctl::选择框_加宽), preset.widen);
  tk.SetText(tk.Find(ctl::编辑框_列), preset.columns);
  tk.SetEnabled(tk.Find(ctl::编辑框_1), preset.on_symbol_enabled);
  tk.SetEnabled(tk.Find(ctl::编辑框_0), preset.off_symbol_enabled);
}

}  // namespace

void GenerateTableClicked(Toolkit& tk) {
  // A second click queued before the pause would otherwise put a whole table in the box
  // ahead of this one; this generation reads the settings after the pause anyway.
  if (generation_paused) return;
  const Control box = tk.Find(ctl::编辑框1);
  tk.SetText(box, "");
  {
    const PauseGuard guard;
    tk.PumpEvents(1);
  }
  const TableSettings settings = ReadSettings(tk);
  const TablePlan plan = PlanTable(settings);
  switch (plan.outcome) {
    case PlanOutcome::kNoColumns:
      return;
    case PlanOutcome::kTooLarge:
      tk.MessageBox(kTooLarge, kHint, Icon::kNone);
      return;
    case PlanOutcome::kTable:
      tk.AppendTexts(box, [&](const Toolkit::Sink& sink) { GenerateTable(settings, plan, sink); });
      return;
  }
}

void ApplyStyle1(Toolkit& tk) { ApplyPreset(tk, kStyle1); }
void ApplyStyle2(Toolkit& tk) { ApplyPreset(tk, kStyle2); }
void ApplyStyleDefault(Toolkit& tk) { ApplyPreset(tk, kStyleDefault); }

void HideOffClicked(Toolkit& tk) {
  tk.SetEnabled(tk.Find(ctl::编辑框_0), !tk.Checked(tk.Find(ctl::选择框_不显示)));
}

void ShowPositionsClicked(Toolkit& tk) {
  tk.SetEnabled(tk.Find(ctl::编辑框_1), !tk.Checked(tk.Find(ctl::选择框_显示位数)));
}

void CopyTableClicked(Toolkit& tk) {
  const bool copied = tk.SetClipboardText(tk.GetText(tk.Find(ctl::编辑框1)));
  tk.MessageBox(copied ? kCopied : kCopyFailed, kHint, Icon::kNone);
}

void SaveTableClicked(Toolkit& tk) {
  const Control dialog = tk.Find(ctl::通用对话框1);
  tk.SetDialogFilter(dialog, kSaveFilter);
  if (!tk.ShowSaveDialog(dialog)) return;
  const ByteSet bytes = text::TextToBytes(tk.GetText(tk.Find(ctl::编辑框1)));
  // A failed write would otherwise go unnoticed and leave the user without the table.
  if (!tk.WriteFile(tk.DialogFileName(dialog), bytes)) {
    tk.MessageBox(kSaveFailed, kHint, Icon::kNone);
  }
}

}  // namespace quorbit::table
