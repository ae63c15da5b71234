#pragma once

#include "net/service_hosts.h"
#include "text/text_types.h"

#include <string_view>

namespace velluno {

class SongListView;

// Songs come eight to a page. Each page's rows are followed by one end row
// that holds text in the title column only: "加载更多" offers the next page.

// Rows of the first page, from the homepage answer of a query, and its end row.
void show_first_page(SongListView& list, std::string_view answer, const ServiceHosts& hosts);

// Rows of a later page, appended once the old end row is gone, and a new end row.
void show_later_page(SongListView& list, std::string_view answer, const ServiceHosts& hosts);

// The share link in the row's link column; empty for end rows and for -1.
Text song_link(const SongListView& list, int row);

// Whether the row's title reads exactly "加载更多": such a row loads the next page.
bool offers_next_page(const SongListView& list, int row);

} // namespace velluno
