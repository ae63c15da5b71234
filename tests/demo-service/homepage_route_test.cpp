#include "tests/demo-service/service_test.h"
#include "text/charset.h"
#include "text/json_document.h"
#include "text/text_between.h"

#include <string>
#include <vector>

namespace velluno::demo {
namespace {

constexpr std::string_view kAvatarPrefix = "/pictures/avatar/";

struct ProfileValue {
    const char* label;
    const char* left;
    const char* right;
    std::string expected; // UTF-8, raw as in the answer
};

// The markers by which the program fills the profile card.
std::vector<ProfileValue> profile_values(const SampleSinger& singer) {
    return {
        {"uid", "kge_uid\":\"", "\"", singer.uid},
        {"nickname", "\",\"nickname\":\"", "\",\"sCityId\":\"", singer.nickname},
        {"age", "{\"age\":", ",", std::to_string(singer.age)},
        {"level", "\",\"level\":", ",\"levelname\":\"", std::to_string(singer.level)},
        {"level name", "levelname\":\"", "\"", singer.level_name},
        {"fans", "follower\":", ",", std::to_string(singer.followers)},
        {"followed", "following\":", ",", std::to_string(singer.following)},
    };
}

std::vector<const SampleSong*> page_of(const SampleSinger& singer, std::size_t page) {
    std::vector<const SampleSong*> songs;
    for (std::size_t i = (page - 1) * 8; i < singer.songs.size() && i < page * 8; ++i) {
        songs.push_back(&singer.songs[i]);
    }
    return songs;
}

using HomepageRouteTest = ServiceTest;

TEST_F(HomepageRouteTest, ProfileMarkersGiveTheSampleValues) {
    for (const SampleSinger& singer : sample_singers()) {
        SCOPED_TRACE(singer.uid);
        const Text profile = unwrapped_homepage(body_of(homepage_path(singer.uid, 1)));
        ASSERT_FALSE(profile.empty());
        for (const ProfileValue& value : profile_values(singer)) {
            SCOPED_TRACE(value.label);
            EXPECT_EQ(text_between(profile, value.left, value.right),
                      utf8_to_local(value.expected));
        }
        const Text avatar = text_between(profile, "head_img_url\":\"", "\"");
        EXPECT_TRUE(path_of(avatar).starts_with(std::string(kAvatarPrefix) + singer.uid)) << avatar;
    }
}

TEST_F(HomepageRouteTest, AnswerIsUtf8WrappedInTheCallbackAlone) {
    const httplib::Result result = get(homepage_path(sample_singers().front().uid, 1));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_NE(result->get_header_value("Content-Type").find("utf-8"), std::string::npos);
    EXPECT_TRUE(result->body.starts_with("callback_0({"));
    EXPECT_TRUE(result->body.ends_with("})"));
}

// The song list reads data.ugclist page by page: 8 songs at most, in order.
TEST_F(HomepageRouteTest, PagesHoldTheSongsInOrder) {
    const std::vector<std::vector<int>> page_sizes = {{8, 8, 3, 0}, {8, 1, 0}, {8, 0}, {3, 0}, {0}};
    ASSERT_EQ(sample_singers().size(), page_sizes.size());
    for (std::size_t s = 0; s < page_sizes.size(); ++s) {
        const SampleSinger& singer = sample_singers()[s];
        for (std::size_t page = 1; page <= page_sizes[s].size(); ++page) {
            SCOPED_TRACE(singer.uid + " page " + std::to_string(page));
            JsonDocument document;
            ASSERT_TRUE(document.parse(
                unwrapped_homepage(body_of(homepage_path(singer.uid, static_cast<int>(page))))));
            ASSERT_EQ(document.get_member_count("data.ugclist"), page_sizes[s][page - 1]);
            const std::vector<const SampleSong*> songs = page_of(singer, page);
            for (std::size_t k = 0; k < songs.size(); ++k) {
                const std::string element = "data.ugclist[" + std::to_string(k) + "]";
                EXPECT_EQ(document.get_property(element + ".title"),
                          json_text_as_local(songs[k]->title));
                EXPECT_EQ(document.get_property(element + ".shareid"), songs[k]->shareid);
            }
        }
    }
}

// The program sends the uid without percent-encoding and whatever follows it
// on the address line; parameters may also be missing or malformed.
TEST_F(HomepageRouteTest, OddRequestsStillGetAnAnswer) {
    const SampleSinger& singer = sample_singers().front();
    const std::string base = "/fcgi-bin/kg_ugc_get_homepage?";
    struct Case {
        const char* name;
        std::string path;
        int songs; // -1: an answer without data
        std::string first_shareid;
    };
    const std::vector<Case> cases = {
        {"uid followed by more of the address", homepage_path(singer.uid + "&g_f=x", 1), 8,
         singer.songs[0].shareid},
        {"page size and page", base + "start=2&num=3&share_uid=" + singer.uid, 3,
         singer.songs[3].shareid},
        {"page and size missing", base + "share_uid=" + singer.uid, 8, singer.songs[0].shareid},
        {"page and size malformed", base + "start=x1&num=-4&share_uid=" + singer.uid, 8,
         singer.songs[0].shareid},
        {"page zero", base + "start=0&num=8&share_uid=" + singer.uid, 8, singer.songs[0].shareid},
        {"page beyond int", base + "start=99999999999999999999&share_uid=" + singer.uid, 8,
         singer.songs[0].shareid},
        {"page and size near the int limit",
         base + "start=2147483647&num=2147483647&share_uid=" + singer.uid, 0, ""},
        {"unknown uid", homepage_path("0000000000000000", 1), -1, ""},
        {"empty uid", homepage_path("", 1), -1, ""},
        {"no query at all", "/fcgi-bin/kg_ugc_get_homepage", -1, ""},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const Text answer = unwrapped_homepage(body_of(test.path));
        ASSERT_FALSE(answer.empty());
        JsonDocument document;
        ASSERT_TRUE(document.parse(answer));
        if (test.songs < 0) {
            EXPECT_EQ(document.type_of("data"), kJsonNullOrMissing);
            EXPECT_EQ(text_between(answer, "kge_uid\":\"", "\""), "");
            continue;
        }
        EXPECT_EQ(text_between(answer, "kge_uid\":\"", "\""), singer.uid);
        EXPECT_EQ(document.get_member_count("data.ugclist"), test.songs);
        EXPECT_EQ(document.get_property("data.ugclist[0].shareid"), test.first_shareid);
    }
}

} // namespace
} // namespace velluno::demo
