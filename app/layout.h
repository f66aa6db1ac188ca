#pragma once
// The main window as data: one row per control, in the stacking order of each parent (an
// earlier row lies above a later one), parents before their children.

#include <span>
#include <string_view>

namespace quorbit::app {

enum class Kind {
  kLabel,
  kTitleLabel,  // transparent, drags the window
  kEditBox,
  kMultiLineBox,
  kPushButton,
  kPictureButton,
  kLinkButton,
  kCheckBox,
  kRadioButton,
  kGroupBox,
  kPictureBox,
  kShapeBox,
  kCanvas,
  kSaveDialog,  // never drawn
};

enum class FontKind { kDialog, kSong, kSongBold };
enum class PictureMode { kNatural, kStretch, kCentredFit };

struct Row {
  std::string_view name;
  Kind kind;
  std::string_view parent;  // empty: the window
  int left, top, width, height;
  std::string_view text;  // UTF-8; CR LF separates lines of a multi-line box

  std::string_view picture = {};        // resource name of the normal or only picture
  std::string_view hover_picture = {};  // picture buttons
  PictureMode picture_mode = PictureMode::kNatural;
  FontKind font = FontKind::kDialog;
  int font_pixels = 12;
  int text_rgb = -1;  // 0xRRGGBB; -1 is black
  bool centred = false;
  int max_length = 0;  // 0: no limit
  bool hidden = false;
  bool framed = false;  // static edge of a label, single line round a canvas
  bool caption_left = false;
  bool integer_input = false;
  std::string_view tag = {};
};

std::span<const Row> Layout();

// The addresses behind the link buttons and the footer credits, kept together: the maker's
// home, the support chat (the contact's account number and a site label) and the credits.
inline constexpr std::string_view kHomePage = "www.quorbit.example";
inline constexpr std::string_view kSupportChat =
    "http://chat.quorbit.example/msgrd?V=1&Uin=20240610&Site=quorbit&Menu=yes";
inline constexpr std::string_view kCredits =
    "Quorbit 工作室          程序设计：北辰          即时通讯：20240610";

}  // namespace quorbit::app
