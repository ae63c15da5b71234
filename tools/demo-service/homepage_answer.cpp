#include "tools/demo-service/homepage_answer.h"

#include "tools/demo-service/json_members.h"
#include "tools/demo-service/media_addresses.h"

#include <algorithm>
#include <cstdint>

namespace velluno::demo {

namespace {

constexpr std::string_view kCallbackOpen = "callback_0(";
constexpr std::string_view kCallbackClose = ")";
constexpr std::string_view kCityId = "440300";
constexpr std::string_view kProvinceId = "440000";
constexpr std::string_view kUnknownSingerMessage = "用户不存在";
constexpr int kUnknownSingerCode = -1;

std::string wrapped(const std::string& json) {
    return std::string(kCallbackOpen) + json + std::string(kCallbackClose);
}

std::string song_list(const std::vector<SampleSong>& songs, const PageRequest& request) {
    // 64 bits: a page number and size near the int limit must not overflow.
    const std::uint64_t first =
        static_cast<std::uint64_t>(request.page - 1) * static_cast<std::uint64_t>(request.size);
    const std::uint64_t end = std::min<std::uint64_t>(first + request.size, songs.size());
    std::vector<std::string> elements;
    for (std::uint64_t i = first; i < end; ++i) {
        elements.push_back(compact_object(
            {text_member("title", songs[i].title), text_member("shareid", songs[i].shareid)}));
    }
    return compact_array(elements);
}

// The program reads the profile with byte markers, which fix this order: a text
// value right before "nickname", "sCityId" right after it, "age" first in its
// object, and "level" after a text value and right before "levelname".
std::string profile_and_songs(const SingerEntry& entry, const PageRequest& request,
                              std::string_view host) {
    const SampleSinger& singer = *entry.singer;
    const std::string avatar = avatar_address(host, singer.uid, picture_format_for(entry.number));
    return compact_object({
        text_member("kge_uid", singer.uid),
        text_member("nickname", singer.nickname),
        text_member("sCityId", kCityId),
        raw_member("info",
                   compact_object({number_member("age", singer.age), number_member("is_vip", 0)})),
        text_member("sProvinceId", kProvinceId),
        number_member("level", singer.level),
        text_member("levelname", singer.level_name),
        number_member("follower", singer.followers),
        number_member("following", singer.following),
        text_member("head_img_url", avatar),
        raw_member("ugclist", song_list(singer.songs, request)),
    });
}

} // namespace

std::string homepage_answer(const SingerEntry& entry, const PageRequest& request,
                            std::string_view host) {
    return wrapped(compact_object(
        {number_member("code", 0), raw_member("data", profile_and_songs(entry, request, host))}));
}

std::string unknown_singer_answer() {
    return wrapped(compact_object(
        {number_member("code", kUnknownSingerCode), text_member("msg", kUnknownSingerMessage)}));
}

} // namespace velluno::demo
