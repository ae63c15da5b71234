#include "app/homepage_answer.h"

#include "net/service_endpoints.h"
#include "net/web_request.h"
#include "text/charset.h"
#include "text/now_millis.h"
#include "text/regex_object.h"
#include "text/text_between.h"

#include <array>

namespace velluno {

namespace {

constexpr std::string_view kUidPattern = "uid=(.*)";

constexpr std::string_view kAnswerCharset = "UTF-8";
constexpr std::string_view kLocalCharset = "GB18030";

// The answer ends with the ")" that closes "callback_0(": the appended text
// turns that ")" into a marker that cannot stand inside the JSON by accident.
constexpr std::string_view kEnvelopeTail = "callback;";
constexpr std::string_view kEnvelopeLeft = "callback_0(";
constexpr std::string_view kEnvelopeRight = ")callback";

constexpr std::string_view kAvatarLeft = "head_img_url\":\"";
constexpr std::string_view kAvatarRight = "\"";

// The markers fix the layout the service answers in: the nickname directly
// before "sCityId", "age" as the first key of its object, "level" between a
// text value and "levelname".
struct CardLine {
    std::string_view label; // UTF-8
    std::string_view left;
    std::string_view right;
};

constexpr std::array kCardLines{
    CardLine{"UID:", "kge_uid\":\"", "\""},
    CardLine{"昵称:", "\",\"nickname\":\"", "\",\"sCityId\":\""},
    CardLine{"年龄:", "{\"age\":", ","},
    CardLine{"等级:", "\",\"level\":", ",\"levelname\":\""},
    CardLine{"等级名:", "levelname\":\"", "\""},
    CardLine{"粉丝:", "follower\":", ","},
    CardLine{"关注:", "following\":", ","},
};

constexpr std::string_view kCardLineBreak = "\r\n\r\n";

} // namespace

Text uid_from_address(std::string_view address) {
    RegexObject regex;
    regex.run(kUidPattern, address);
    return regex.submatch_text(1, 1);
}

Text unwrap_homepage_answer(const Bytes& body) {
    const Text answer = text_from_bytes(recode_bytes(body, kAnswerCharset, kLocalCharset));
    return text_between(answer + Text(kEnvelopeTail), kEnvelopeLeft, kEnvelopeRight);
}

Text request_homepage_page(const ServiceHosts& hosts, int page, std::string_view uid) {
    return unwrap_homepage_answer(
        web_request(homepage_page_url(hosts, page, uid, now_millis_text())));
}

Text avatar_url(std::string_view answer) {
    return text_between(answer, kAvatarLeft, kAvatarRight);
}

Text profile_card_text(std::string_view profile_json) {
    Text card;
    for (const CardLine& line : kCardLines) {
        if (!card.empty()) {
            card += kCardLineBreak;
        }
        card += utf8_to_local(line.label) + text_between(profile_json, line.left, line.right);
    }
    return card;
}

} // namespace velluno
