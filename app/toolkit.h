#pragma once
// The window services the tools need, and nothing else: the three tool folders talk to the
// main window only through this class, so they never see a Qt type. Every text crossing
// this boundary is GBK bytes; the conversion to and from the widgets happens inside.
//
// Controls are addressed by their layout names (see app/controls.h); a name the layout
// does not have is a programming error and throws std::logic_error.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "text/rules.h"

namespace quorbit {

using text::ByteSet;
using text::Text;

// A control of the main window: one of the layout, or a copy made at run time.
struct Control {
  int id = -1;
  friend bool operator==(Control, Control) = default;
};

enum class Icon { kNone, kInformation };

// A path as the file system spells it (UTF-8 here). It is never shown or computed with,
// only handed from the save dialog to WriteFile, so no character of it can be lost.
using FilePath = std::string;

class MainWindowImpl;

class Toolkit {
 public:
  explicit Toolkit(MainWindowImpl& window);

  // Finding controls.
  Control Find(std::string_view name) const;
  std::optional<Control> FindByTag(std::int32_t tag) const;  // the tag read by TextToInt
  Control EventSource() const;                               // inside a handler
  Control CopyControl(Control original);  // hidden; same kind, parent, place, size, pictures,
                                          // pointer, tag and click handler

  // Properties.
  Text GetText(Control control) const;
  void SetText(Control control, const Text& text);  // an edit box raises text-changed once
  bool Checked(Control control) const;
  void SetChecked(Control control, bool checked);  // raises no click
  bool Enabled(Control control) const;
  void SetEnabled(Control control, bool enabled);
  bool Visible(Control control) const;
  void SetVisible(Control control, bool visible);
  int Left(Control control) const;
  void SetLeft(Control control, int left);
  int Width(Control control) const;
  Text Tag(Control control) const;
  void SetTag(Control control, const Text& tag);
  // The normal picture of a picture button, or the background picture of a canvas, as the
  // encoded bytes last written. Writing a canvas's picture rebuilds its image from it alone.
  ByteSet GetPicture(Control control) const;
  void SetPicture(Control control, const ByteSet& picture);
  // One of the program's own pictures by name ("LeverOnPicture", ...), as encoded bytes.
  ByteSet Picture(std::string_view name) const;

  // Appending to an edit box: `produce` hands each piece to the sink in order, and each goes
  // in at the end through one cursor in a single edit block (far faster than an edit per
  // piece); the caret then stands at the end, in view.
  using Sink = std::function<void(const Text&)>;
  void AppendTexts(Control box, const std::function<void(const Sink&)>& produce);

  void RepaintNow(Control control);
  // Plain copy of a pixel block from one canvas's persistent image into another's, cut at
  // the target's drawing area; the source may be hidden.
  void CanvasBlockCopy(Control source, int source_left, int source_top, int width, int height,
                       Control target, int target_left, int target_top);

  // Modal for the application, one OK button; returns when closed.
  void MessageBox(const Text& text, const Text& title, Icon icon);

  // The save dialog: filter as "name|pattern|name|pattern"; true for OK. The chosen path is
  // kept as the dialog's file name and offered again next time.
  void SetDialogFilter(Control dialog, const Text& filter);
  bool ShowSaveDialog(Control dialog);
  FilePath DialogFileName(Control dialog) const;

  // Replaces the clipboard's text; true only when the clipboard then holds it.
  bool SetClipboardText(const Text& text);
  // Creates or replaces the file as a whole; on failure the old file stays as it was.
  bool WriteFile(const FilePath& path, const ByteSet& bytes);

  void OpenWebAddress(const Text& address);  // no wait, result ignored
  void StartWindowDrag();                    // returns when the mouse button is released
  void DestroyWindow();                      // queued behind the waiting events
  // Handles pending events at least twice and until more than `milliseconds` have passed.
  void PumpEvents(int milliseconds);
  void SetControlSkin();  // the flat silver look for every standard control, now and later

 private:
  MainWindowImpl& window_;
};

using Handler = void (*)(Toolkit&);

}  // namespace quorbit
