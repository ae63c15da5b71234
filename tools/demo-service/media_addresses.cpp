#include "tools/demo-service/media_addresses.h"

namespace velluno::demo {

namespace {

constexpr std::string_view kScheme = "http://";
constexpr std::string_view kPngExtension = ".png";
constexpr std::string_view kJpegExtension = ".jpg";
constexpr std::string_view kRecordingExtension = ".wav";

std::string_view extension_of(PictureFormat format) {
    return format == PictureFormat::png ? kPngExtension : kJpegExtension;
}

std::string address(std::string_view host, std::string_view path, std::string_view id,
                    std::string_view extension) {
    return std::string(kScheme) + std::string(host) + std::string(path) + std::string(id) +
           std::string(extension);
}

// The part of `name` before `extension`, when it ends with it and is not empty.
std::optional<std::string> id_before(std::string_view name, std::string_view extension) {
    if (name.size() <= extension.size() || !name.ends_with(extension)) {
        return std::nullopt;
    }
    return std::string(name.substr(0, name.size() - extension.size()));
}

} // namespace

PictureFormat picture_format_for(int number) {
    return number % 2 == 1 ? PictureFormat::jpeg : PictureFormat::png;
}

std::string avatar_address(std::string_view host, std::string_view uid, PictureFormat format) {
    return address(host, kAvatarPath, uid, extension_of(format));
}

std::string cover_address(std::string_view host, std::string_view shareid, PictureFormat format) {
    return address(host, kCoverPath, shareid, extension_of(format));
}

std::string recording_address(std::string_view host, std::string_view shareid) {
    return address(host, kRecordingPath, shareid, kRecordingExtension);
}

std::optional<PictureName> parse_picture_name(std::string_view name) {
    for (const PictureFormat format : {PictureFormat::png, PictureFormat::jpeg}) {
        if (std::optional<std::string> id = id_before(name, extension_of(format))) {
            return PictureName{std::move(*id), format};
        }
    }
    return std::nullopt;
}

std::optional<std::string> parse_recording_name(std::string_view name) {
    return id_before(name, kRecordingExtension);
}

} // namespace velluno::demo
