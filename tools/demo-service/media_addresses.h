#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velluno::demo {

inline constexpr std::string_view kAvatarPath = "/pictures/avatar/";
inline constexpr std::string_view kCoverPath = "/pictures/cover/";
inline constexpr std::string_view kRecordingPath = "/recordings/";

enum class PictureFormat { png, jpeg };

// Odd places get JPEG, even ones PNG, so the program meets both formats.
PictureFormat picture_format_for(int number);

std::string avatar_address(std::string_view host, std::string_view uid, PictureFormat format);
std::string cover_address(std::string_view host, std::string_view shareid, PictureFormat format);
std::string recording_address(std::string_view host, std::string_view shareid);

// A picture's file name ("<id>.png" or "<id>.jpg") split into id and format.
struct PictureName {
    std::string id;
    PictureFormat format;
};
std::optional<PictureName> parse_picture_name(std::string_view name);

// The shareid of a recording's file name "<shareid>.wav".
std::optional<std::string> parse_recording_name(std::string_view name);

} // namespace velluno::demo
