#pragma once

// The object names the program gives its controls. Both windows use some of
// the same names, so each window has its own set.

namespace velluno::main_window_controls {

inline constexpr auto kAddressCaption = "标签1";
inline constexpr auto kAddressBox = "编辑框1";
inline constexpr auto kQueryButton = "按钮1";
inline constexpr auto kAvatar = "图片框1";
inline constexpr auto kProfileCard = "标签2";
inline constexpr auto kPollStartButton = "按钮2";
inline constexpr auto kPollStopButton = "按钮3";
inline constexpr auto kPlayCount = "标签3";
inline constexpr auto kPollHint = "标签4";
inline constexpr auto kSongList = "超级列表框1";
// Hidden beyond the window's right edge: the link of the song opened last.
inline constexpr auto kSongLink = "编辑框2";
inline constexpr auto kPollTimer = "时钟1";

} // namespace velluno::main_window_controls

namespace velluno::info_window_controls {

inline constexpr auto kSongName = "标签1";
inline constexpr auto kIntroduction = "标签2";
inline constexpr auto kCover = "图片框1";
inline constexpr auto kComments = "超级列表框1";
inline constexpr auto kPlayButton = "按钮1";
inline constexpr auto kBrowserButton = "按钮2";
inline constexpr auto kPlayer = "超文本浏览框1";

} // namespace velluno::info_window_controls
