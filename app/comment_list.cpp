#include "app/comment_list.h"

#include "app/display_text.h"
#include "text/gbk_scan.h"
#include "text/regex_object.h"
#include "text/replace_pairs.h"

#include <QTableWidget>

#include <unordered_set>

namespace velluno {

namespace {

// Group 1 is what lies between "[em" and "/em]" of a tag: "]e100[" for
// "[em]e100[/em]", so the tag rebuilt around it is the tag as written.
constexpr std::string_view kEmoticonPattern = "em(.*?)/em";
constexpr std::string_view kEmoticonTagStart = "[em";
constexpr std::string_view kEmoticonTagEnd = "/em]";
constexpr std::string_view kCloseMarker = "/em"; // the tag's end without its "]"
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

// The emoticon tags to delete, in the form they are compared in.
class TagSet final {
public:
    void add(std::string_view tag) {
        m_tags.insert(ascii_folded(tag));
        m_lengths.insert(tag.size());
    }
    bool empty() const { return m_tags.empty(); }
    bool contains(std::string_view candidate) const {
        // Most candidates differ in length from every tag and cost nothing to refuse.
        return m_lengths.contains(candidate.size()) && m_tags.contains(ascii_folded(candidate));
    }

private:
    std::unordered_set<Text> m_tags;
    std::unordered_set<std::size_t> m_lengths;
};

// Deletes every occurrence of the tags in one left-to-right scan, letters
// matched in any case. A tag runs from "[em" to the first "/em" after it and a
// "]" (the pattern's group never holds "/em"), so each place where "[em" stands
// has one candidate to look up. Deleting tag after tag instead would read the
// whole answer once per distinct tag, and an answer may hold thousands of them.
Text delete_tags(std::string_view text, const TagSet& tags) {
    if (tags.empty()) {
        return Text(text);
    }
    Text result;
    std::ptrdiff_t kept_from = 1; // positions are 1-based, as find_text gives them
    std::ptrdiff_t search_from = 1;
    std::ptrdiff_t close = 0;
    while (true) {
        const std::ptrdiff_t open =
            find_text(text, kEmoticonTagStart, ScanRule{.start = search_from});
        if (open < 0) {
            break;
        }
        const std::ptrdiff_t after_open = open + std::ssize(kEmoticonTagStart);
        if (close < after_open) {
            close = find_text(text, kCloseMarker, ScanRule{.start = after_open});
            if (close < 0) {
                break;
            }
        }
        const std::ptrdiff_t after_tag = close + std::ssize(kEmoticonTagEnd);
        const std::string_view candidate = text.substr(static_cast<std::size_t>(open - 1),
                                                       static_cast<std::size_t>(after_tag - open));
        if (candidate.ends_with(kEmoticonTagEnd.back()) && tags.contains(candidate)) {
            result.append(text.substr(static_cast<std::size_t>(kept_from - 1),
                                      static_cast<std::size_t>(open - kept_from)));
            kept_from = after_tag;
            search_from = after_tag;
        } else {
            search_from = open + 1;
        }
    }
    result.append(text.substr(static_cast<std::size_t>(kept_from - 1)));
    return result;
}

} // namespace

Text clean_song_text(Text text) {
    RegexObject emoticons;
    emoticons.run(kEmoticonPattern, text, kPatternOptions);
    // Every match was found in the text as it came in: a match that started
    // inside a word ("them") rebuilds a tag the text does not hold, which stays.
    TagSet tags;
    for (int match = 1; match <= emoticons.match_count(); ++match) {
        tags.add(Text(kEmoticonTagStart) + emoticons.submatch_text(match, 1) +
                 Text(kEmoticonTagEnd));
    }
    return replace_pairs(delete_tags(text, tags), kEscapedLineBreak, {});
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
