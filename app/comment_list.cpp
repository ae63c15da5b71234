#include "app/comment_list.h"

#include "app/display_text.h"
#include "text/regex_object.h"
#include "text/replace_pairs.h"

#include <QTableWidget>

namespace velluno {

namespace {

// Group 1 is what lies between "[em" and "/em]" of a tag: "]e100[" for
// "[em]e100[/em]", so the tag rebuilt around it is the tag as written.
constexpr std::string_view kEmoticonPattern = "em(.*?)/em";
constexpr std::string_view kEmoticonTagStart = "[em";
constexpr std::string_view kEmoticonTagEnd = "/em]";
constexpr std::string_view kEscapedLineBreak = "\\n";

// One comment's four fields stand on four lines of the answer, in this order;
// group 1 is the comment's text, group 2 the commenter's nickname.
constexpr std::string_view kCommentPattern =
    "content\":\"(.*?)\",\n\"is_owner\":.*?,\n\"uid\":\".*?\",\n\"nick\":\"(.*?)\"";
constexpr int kCommentTextGroup = 1;
constexpr int kNicknameGroup = 2;

constexpr auto kNoCommentHint = "可能还没人评论哦！";

constexpr RegexOptions kPatternOptions{
    .case_sensitive = false, .multiline = false, .global = true, .expand_quote_marker = true};

constexpr int kCommenterColumn = 0;
constexpr int kCommentColumn = 1;

void append_row(QTableWidget& list, const QString& commenter, const QString& comment) {
    const int row = list.rowCount();
    list.insertRow(row);
    list.setItem(row, kCommenterColumn, new QTableWidgetItem(commenter));
    list.setItem(row, kCommentColumn, new QTableWidgetItem(comment));
}

} // namespace

Text clean_song_text(Text text) {
    RegexObject emoticons;
    emoticons.run(kEmoticonPattern, text, kPatternOptions);
    // Every match was found in the text as it came in; a tag that occurs again
    // is gone after its first pass, and a match that started inside a word
    // ("them") rebuilds a tag the text does not hold, which then stays.
    for (int match = 1; match <= emoticons.match_count(); ++match) {
        const Text tag =
            Text(kEmoticonTagStart) + emoticons.submatch_text(match, 1) + Text(kEmoticonTagEnd);
        text = replace_pairs(text, tag, {});
    }
    return replace_pairs(text, kEscapedLineBreak, {});
}

void fill_comment_list(QTableWidget& list, std::string_view song_json) {
    RegexObject comments;
    comments.run(kCommentPattern, song_json, kPatternOptions);
    if (comments.match_count() == 0) {
        append_row(list, {}, QString::fromUtf8(kNoCommentHint));
        return;
    }
    for (int match = 1; match <= comments.match_count(); ++match) {
        append_row(list, display_text(comments.submatch_text(match, kNicknameGroup)),
                   display_text(comments.submatch_text(match, kCommentTextGroup)));
    }
}

} // namespace velluno
