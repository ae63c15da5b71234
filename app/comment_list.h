#pragma once

#include "text/text_types.h"

#include <string_view>

class QTableWidget;

namespace velluno {

// The song-detail answer without the service's emoticon tags ("[em]e100[/em]")
// and without its escaped line breaks (backslash, n), so every field read from
// it afterwards shows plain text.
Text clean_song_text(Text text);

// Appends one row per listener comment found in `song_json` (nickname, text),
// or the no-comment row when there is none.
void fill_comment_list(QTableWidget& list, std::string_view song_json);

} // namespace velluno
