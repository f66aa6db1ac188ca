#include "app/layout.h"

#include <array>

namespace quorbit::app {
namespace {

constexpr int kGrey = 0x808080;
constexpr int kBodyColour = 0xECECEC;

constexpr std::string_view kIntroduction =
    "           简介\r\n"
    "\r\n"
    " 设定总线设备编码虽然不是很复杂\r\n"
    "但设置大数的时候还是很费脑筋的。\r\n"
    "\r\n"
    " 有了这个软件，就不用再去费劲的算\r\n"
    "了。可以生成不同样式的编码表。使\r\n"
    "用方便，省时省力。\r\n"
    "\r\n"
    "\r\n"
    " 使用说明：\r\n"
    "\r\n"
    "一.模拟仿真\r\n"
    " 输入编码数后，编码开关就会立即显\r\n"
    "示出相应的接通位和断开位。点击编码\r\n"
    "开关，也会立即显示出编码数，可以用\r\n"
    "它来了解拨码开关的设置规律，或熟练\r\n"
    "拨码设置。\r\n"
    "\r\n"
    "二.编码表生成\r\n"
    " 根据设置来生成不同样式的编码表，\r\n"
    "使得更适合自己的使用习惯。更直观，\r\n"
    "更容易记。\r\n"
    "\r\n"
    "更新说明：\r\n"
    "1.3 更改为编码结果是竖向的，\r\n"
    "查看更清晰。\r\n"
    "\r\n"
    "更新说明：\r\n"
    "1.4 地址编码想生成到几就生成到几。\r\n"
    " ";

// One row per control, kept on as few lines as the columns need so the table reads as one.
// clang-format off
constexpr std::array kRows = {
    // On the window.
    Row{.name = "透明标签1", .kind = Kind::kTitleLabel, .parent = "", .left = 0, .top = 3,
        .width = 664, .height = 24, .text = "     Quorbitv1.5", .font = FontKind::kSongBold,
        .text_rgb = kBodyColour},
    Row{.name = "标签8", .kind = Kind::kLabel, .parent = "", .left = 4, .top = 495, .width = 689,
        .height = 24, .text = kCredits, .text_rgb = kGrey, .framed = true},
    Row{.name = "图形按钮0", .kind = Kind::kPictureButton, .parent = "", .left = 670, .top = 2,
        .width = 22, .height = 22, .text = "", .picture = "CloseButtonPicture",
        .hover_picture = "CloseButtonHoverPicture"},
    Row{.name = "超级按钮2", .kind = Kind::kLinkButton, .parent = "", .left = 583, .top = 31,
        .width = 80, .height = 20, .text = "技术支持", .picture = "SupportIcon"},
    Row{.name = "超级按钮1", .kind = Kind::kLinkButton, .parent = "", .left = 457, .top = 31,
        .width = 80, .height = 20, .text = "官方网站", .picture = "HomePageIcon"},
    Row{.name = "通用对话框1", .kind = Kind::kSaveDialog, .parent = "", .left = 472, .top = 352,
        .width = 26, .height = 26, .text = "", .hidden = true},
    Row{.name = "画板1", .kind = Kind::kCanvas, .parent = "", .left = 256, .top = -43,
        .width = 400, .height = 54, .text = "", .picture = "LitDigitStrip",
        .picture_mode = PictureMode::kCentredFit, .hidden = true},
    Row{.name = "分组框3", .kind = Kind::kGroupBox, .parent = "", .left = 17, .top = 384,
        .width = 410, .height = 101, .text = "进制转换"},
    Row{.name = "分组框1", .kind = Kind::kGroupBox, .parent = "", .left = 17, .top = 43,
        .width = 410, .height = 171, .text = "模拟仿真"},
    Row{.name = "编辑框1", .kind = Kind::kMultiLineBox, .parent = "", .left = 449, .top = 55,
        .width = 231, .height = 433, .text = kIntroduction},
    Row{.name = "分组框2", .kind = Kind::kGroupBox, .parent = "", .left = 17, .top = 222,
        .width = 439, .height = 154, .text = "编码表生成设置"},

    // The simulator.
    Row{.name = "外形框1", .kind = Kind::kShapeBox, .parent = "分组框1", .left = 253, .top = 26,
        .width = 140, .height = 70, .text = ""},
    Row{.name = "画板2", .kind = Kind::kCanvas, .parent = "外形框1", .left = 9, .top = 8,
        .width = 120, .height = 54, .text = "", .picture = "UnlitDigitStrip", .framed = true},
    Row{.name = "标签9", .kind = Kind::kLabel, .parent = "分组框1", .left = 12, .top = 140,
        .width = 385, .height = 24,
        .text = "提示！输入编码数后，模拟开关就会立即显示出相应的接通位和断开位。",
        .text_rgb = kGrey},
    Row{.name = "编辑框_地址", .kind = Kind::kEditBox, .parent = "分组框1", .left = 347,
        .top = 103, .width = 32, .height = 24, .text = "", .font = FontKind::kSong,
        .font_pixels = 14, .centred = true, .max_length = 255, .integer_input = true},
    Row{.name = "图片框底", .kind = Kind::kPictureBox, .parent = "分组框1", .left = 16, .top = 26,
        .width = 228, .height = 101, .text = "", .picture = "SwitchBodyPicture"},
    Row{.name = "图形按钮1", .kind = Kind::kPictureButton, .parent = "图片框底", .left = 6,
        .top = 26, .width = 27, .height = 46, .text = "", .picture = "LeverOffPicture",
        .tag = "1"},
    Row{.name = "标签7", .kind = Kind::kLabel, .parent = "分组框1", .left = 268, .top = 103,
        .width = 67, .height = 24, .text = "请输入编码：", .font = FontKind::kSong},

    // The code-table generator.
    Row{.name = "标签10", .kind = Kind::kLabel, .parent = "分组框2", .left = 241, .top = 72,
        .width = 44, .height = 24, .text = "列间距："},
    Row{.name = "编辑框_列间距", .kind = Kind::kEditBox, .parent = "分组框2", .left = 288,
        .top = 73, .width = 23, .height = 20, .text = "3", .centred = true, .max_length = 4},
    Row{.name = "按钮_复制", .kind = Kind::kPushButton, .parent = "分组框2", .left = 315,
        .top = 115, .width = 51, .height = 24, .text = "复制"},
    Row{.name = "单选框3", .kind = Kind::kRadioButton, .parent = "分组框2", .left = 154,
        .top = 115, .width = 56, .height = 24, .text = "默认"},
    Row{.name = "单选框2", .kind = Kind::kRadioButton, .parent = "分组框2", .left = 84,
        .top = 115, .width = 56, .height = 24, .text = "样式2"},
    Row{.name = "单选框1", .kind = Kind::kRadioButton, .parent = "分组框2", .left = 14,
        .top = 115, .width = 56, .height = 24, .text = "样式1"},
    Row{.name = "选择框_加宽", .kind = Kind::kCheckBox, .parent = "分组框2", .left = 328,
        .top = 70, .width = 92, .height = 24, .text = "字符间距加宽", .caption_left = true},
    Row{.name = "图片框2", .kind = Kind::kPictureBox, .parent = "分组框2", .left = 12, .top = 67,
        .width = 12, .height = 20, .text = "", .picture = "LeverOnPicture",
        .picture_mode = PictureMode::kStretch},
    Row{.name = "图片框1", .kind = Kind::kPictureBox, .parent = "分组框2", .left = 12, .top = 28,
        .width = 12, .height = 20, .text = "", .picture = "LeverOffPicture",
        .picture_mode = PictureMode::kStretch},
    Row{.name = "按钮_保存", .kind = Kind::kPushButton, .parent = "分组框2", .left = 371,
        .top = 115, .width = 51, .height = 24, .text = "保存"},
    Row{.name = "编辑框_列", .kind = Kind::kEditBox, .parent = "分组框2", .left = 356, .top = 29,
        .width = 24, .height = 20, .text = "5", .centred = true},
    Row{.name = "选择框_显示位数", .kind = Kind::kCheckBox, .parent = "分组框2", .left = 139,
        .top = 69, .width = 72, .height = 24, .text = "显示位数"},
    Row{.name = "选择框_不显示", .kind = Kind::kCheckBox, .parent = "分组框2", .left = 139,
        .top = 28, .width = 72, .height = 24, .text = "不显示"},
    Row{.name = "编辑框_地址数", .kind = Kind::kEditBox, .parent = "分组框2", .left = 310,
        .top = 29, .width = 32, .height = 20, .text = "255", .centred = true, .max_length = 3},
    Row{.name = "标签6", .kind = Kind::kLabel, .parent = "分组框2", .left = 236, .top = 28,
        .width = 72, .height = 24, .text = "编码生成到：T"},
    Row{.name = "标签2", .kind = Kind::kLabel, .parent = "分组框2", .left = 31, .top = 28,
        .width = 78, .height = 20, .text = "断开位显示成："},
    Row{.name = "标签1", .kind = Kind::kLabel, .parent = "分组框2", .left = 31, .top = 71,
        .width = 78, .height = 20, .text = "接通位显示成："},
    Row{.name = "编辑框_1", .kind = Kind::kEditBox, .parent = "分组框2", .left = 113, .top = 71,
        .width = 20, .height = 20, .text = "1", .centred = true, .max_length = 1},
    Row{.name = "编辑框_0", .kind = Kind::kEditBox, .parent = "分组框2", .left = 113, .top = 28,
        .width = 20, .height = 20, .text = "0", .centred = true, .max_length = 1},
    Row{.name = "按钮_制表", .kind = Kind::kPushButton, .parent = "分组框2", .left = 238,
        .top = 115, .width = 71, .height = 24, .text = "生成编码表"},
    Row{.name = "标签12", .kind = Kind::kLabel, .parent = "分组框2", .left = 384, .top = 28,
        .width = 46, .height = 24, .text = "列显示"},

    // The base converter.
    Row{.name = "标签5", .kind = Kind::kLabel, .parent = "分组框3", .left = 28, .top = 21,
        .width = 50, .height = 24, .text = "十进制："},
    Row{.name = "按钮_二转十", .kind = Kind::kPushButton, .parent = "分组框3", .left = 281,
        .top = 58, .width = 104, .height = 24, .text = "二进制 转 十进制"},
    Row{.name = "标签4", .kind = Kind::kLabel, .parent = "分组框3", .left = 16, .top = 90,
        .width = 56, .height = 24, .text = "倒序显示：", .hidden = true},
    Row{.name = "标签3", .kind = Kind::kLabel, .parent = "分组框3", .left = 28, .top = 58,
        .width = 50, .height = 24, .text = "二进制："},
    Row{.name = "编辑框_二进制", .kind = Kind::kEditBox, .parent = "分组框3", .left = 89,
        .top = 58, .width = 174, .height = 24, .text = ""},
    Row{.name = "按钮_十转二", .kind = Kind::kPushButton, .parent = "分组框3", .left = 281,
        .top = 21, .width = 104, .height = 24, .text = "十进制 转 二进制"},
    Row{.name = "编辑框_倒序二进制", .kind = Kind::kEditBox, .parent = "分组框3", .left = 89,
        .top = 91, .width = 159, .height = 24, .text = "", .hidden = true},
    Row{.name = "编辑框_十进制", .kind = Kind::kEditBox, .parent = "分组框3", .left = 89,
        .top = 21, .width = 174, .height = 24, .text = ""},
};
// clang-format on

}  // namespace

std::span<const Row> Layout() { return kRows; }

}  // namespace quorbit::app
