#pragma once
// The layout names of the main window's controls, the one vocabulary every tool uses to
// address them through the Toolkit. The names are UTF-8 here; they never reach a Text.

#include <string_view>

namespace quorbit::ctl {

// On the window.
inline constexpr std::string_view 透明标签1 = "透明标签1";
inline constexpr std::string_view 标签8 = "标签8";
inline constexpr std::string_view 图形按钮0 = "图形按钮0";
inline constexpr std::string_view 超级按钮2 = "超级按钮2";
inline constexpr std::string_view 超级按钮1 = "超级按钮1";
inline constexpr std::string_view 通用对话框1 = "通用对话框1";
inline constexpr std::string_view 画板1 = "画板1";
inline constexpr std::string_view 分组框3 = "分组框3";
inline constexpr std::string_view 分组框1 = "分组框1";
inline constexpr std::string_view 编辑框1 = "编辑框1";
inline constexpr std::string_view 分组框2 = "分组框2";

// In the group of the simulator.
inline constexpr std::string_view 外形框1 = "外形框1";
inline constexpr std::string_view 画板2 = "画板2";
inline constexpr std::string_view 标签9 = "标签9";
inline constexpr std::string_view 编辑框_地址 = "编辑框_地址";
inline constexpr std::string_view 图片框底 = "图片框底";
inline constexpr std::string_view 图形按钮1 = "图形按钮1";
inline constexpr std::string_view 标签7 = "标签7";

// In the group of the code-table generator.
inline constexpr std::string_view 标签10 = "标签10";
inline constexpr std::string_view 编辑框_列间距 = "编辑框_列间距";
inline constexpr std::string_view 按钮_复制 = "按钮_复制";
inline constexpr std::string_view 单选框3 = "单选框3";
inline constexpr std::string_view 单选框2 = "单选框2";
inline constexpr std::string_view 单选框1 = "单选框1";
inline constexpr std::string_view 选择框_加宽 = "选择框_加宽";
inline constexpr std::string_view 图片框2 = "图片框2";
inline constexpr std::string_view 图片框1 = "图片框1";
inline constexpr std::string_view 按钮_保存 = "按钮_保存";
inline constexpr std::string_view 编辑框_列 = "编辑框_列";
inline constexpr std::string_view 选择框_显示位数 = "选择框_显示位数";
inline constexpr std::string_view 选择框_不显示 = "选择框_不显示";
inline constexpr std::string_view 编辑框_地址数 = "编辑框_地址数";
inline constexpr std::string_view 标签6 = "标签6";
inline constexpr std::string_view 标签2 = "标签2";
inline constexpr std::string_view 标签1 = "标签1";
inline constexpr std::string_view 编辑框_1 = "编辑框_1";
inline constexpr std::string_view 编辑框_0 = "编辑框_0";
inline constexpr std::string_view 按钮_制表 = "按钮_制表";
inline constexpr std::string_view 标签12 = "标签12";

// In the group of the base converter.
inline constexpr std::string_view 标签5 = "标签5";
inline constexpr std::string_view 按钮_二转十 = "按钮_二转十";
inline constexpr std::string_view 标签4 = "标签4";
inline constexpr std::string_view 标签3 = "标签3";
inline constexpr std::string_view 编辑框_二进制 = "编辑框_二进制";
inline constexpr std::string_view 按钮_十转二 = "按钮_十转二";
inline constexpr std::string_view 编辑框_倒序二进制 = "编辑框_倒序二进制";
inline constexpr std::string_view 编辑框_十进制 = "编辑框_十进制";

}  // namespace quorbit::ctl
