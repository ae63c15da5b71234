#include "app/song_pages.h"

#include "app/song_list_view.h"
#include "net/service_endpoints.h"
#include "text/charset.h"
#include "text/json_document.h"

#include <string>

namespace velluno {

namespace {

constexpr int kNumberColumn = 0;
constexpr int kTitleColumn = 1;
constexpr int kLinkColumn = 2;

constexpr int kSongsPerPage = 8;

constexpr std::string_view kSongsPath = "data.ugclist";
constexpr std::string_view kTitleMember = "title";
constexpr std::string_view kShareIdMember = "shareid";

// End rows, UTF-8.
constexpr std::string_view kLoadMore = "加载更多";
constexpr std::string_view kNoSongs = "没有数据了";
constexpr std::string_view kNoMoreSongs = "没有更多数据";

Text song_member_path(int index, std::string_view member) {
    return Text(kSongsPath) + "[" + std::to_string(index) + "]." + Text(member);
}

void append_song_rows(SongListView& list, const JsonDocument& page, const ServiceHosts& hosts) {
    const int count = page.get_member_count(kSongsPath);
    for (int index = 0; index < count; ++index) {
        const int row = list.append_row();
        list.set_cell(row, kNumberColumn, std::to_string(row + 1));
        list.set_cell(row, kTitleColumn, page.get_property(song_member_path(index, kTitleMember)));
        list.set_cell(
            row, kLinkColumn,
            share_link(hosts, page.get_property(song_member_path(index, kShareIdMember))));
    }
}

void append_end_row(SongListView& list, std::string_view text) {
    list.set_cell(list.append_row(), kTitleColumn, utf8_to_local(text));
}

JsonDocument page_document(std::string_view answer) {
    JsonDocument page;
    page.parse(answer);
    return page;
}

} // namespace

void show_first_page(SongListView& list, std::string_view answer, const ServiceHosts& hosts) {
    const JsonDocument page = page_document(answer);
    append_song_rows(list, page, hosts);
    const bool full_page = page.get_member_count(kSongsPath) >= kSongsPerPage;
    append_end_row(list, full_page ? kLoadMore : kNoSongs);
}

// Any later page with songs, a single one included, may be followed by
// another: only the next request tells.
void show_later_page(SongListView& list, std::string_view answer, const ServiceHosts& hosts) {
    const JsonDocument page = page_document(answer);
    if (page.get_member_count(kSongsPath) < 1) {
        append_end_row(list, kNoMoreSongs);
        return;
    }
    append_song_rows(list, page, hosts);
    append_end_row(list, kLoadMore);
}

Text song_link(const SongListView& list, int row) {
    return list.cell_text(row, kLinkColumn);
}

bool offers_next_page(const SongListView& list, int row) {
    return list.cell_text(row, kTitleColumn) == utf8_to_local(kLoadMore);
}

} // namespace velluno
