#include "tests/demo-service/service_test.h"
#include "text/charset.h"
#include "text/regex_object.h"
#include "text/replace_pairs.h"
#include "text/text_between.h"

#include <string>
#include <thread>
#include <vector>

namespace velluno::demo {
namespace {

// The program's comment pattern: four fields of a comment on four lines.
constexpr std::string_view kCommentPattern =
    "content\":\"(.*?)\",\n\"is_owner\":.*?,\n\"uid\":\".*?\",\n\"nick\":\"(.*?)\"";
constexpr RegexOptions kCommentOptions{
    .case_sensitive = false, .multiline = false, .global = true, .expand_quote_marker = true};
constexpr std::string_view kCoverPrefix = "/pictures/cover/";
constexpr std::string_view kRecordingPrefix = "/recordings/";

using SongDetailRouteTest = ServiceTest;

Text play_num_of(const Text& answer) {
    return text_between(answer, "\"play_num\":", ",");
}

TEST_F(SongDetailRouteTest, SongFieldsReadByTheMarkers) {
    for (const SampleSinger& singer : sample_singers()) {
        for (const SampleSong& song : singer.songs) {
            SCOPED_TRACE(song.shareid);
            const httplib::Result result = get(song_detail_path(song.shareid));
            ASSERT_TRUE(result);
            EXPECT_TRUE(result->body.starts_with("jsopgetsonginfo({\n"));
            const Text answer = utf8_to_local(result->body);
            EXPECT_EQ(text_between(answer, "\"song_name\":\"", "\","), utf8_to_local(song.title));
            EXPECT_EQ(text_between(answer, "\"content\":\"", "\","),
                      utf8_to_local(song.introduction));
            const Text cover = text_between(answer, "\"cover\":\"", "\",");
            EXPECT_TRUE(path_of(cover).starts_with(std::string(kCoverPrefix) + song.shareid));
            const Text playurl = text_between(answer, "\"playurl\":\"", "\",");
            EXPECT_NE(playurl.find("\\/"), Text::npos) << "slashes come escaped";
            EXPECT_TRUE(path_of(replace_pairs(playurl, "\\/", "/"))
                            .starts_with(std::string(kRecordingPrefix) + song.shareid));
            EXPECT_EQ(play_num_of(answer), std::to_string(song.play_num + 1));
        }
    }
}

TEST_F(SongDetailRouteTest, CommentPatternFindsEveryComment) {
    std::size_t most = 0;
    bool some_without = false;
    for (const SampleSinger& singer : sample_singers()) {
        for (const SampleSong& song : singer.songs) {
            SCOPED_TRACE(song.shareid);
            RegexObject pattern;
            ASSERT_TRUE(pattern.run(kCommentPattern,
                                    utf8_to_local(body_of(song_detail_path(song.shareid))),
                                    kCommentOptions));
            ASSERT_EQ(pattern.match_count(), static_cast<int>(song.comments.size()));
            for (std::size_t i = 0; i < song.comments.size(); ++i) {
                const int match = static_cast<int>(i) + 1;
                EXPECT_EQ(pattern.submatch_text(match, 1), utf8_to_local(song.comments[i].content));
                EXPECT_EQ(pattern.submatch_text(match, 2), utf8_to_local(song.comments[i].nick));
            }
            most = std::max(most, song.comments.size());
            some_without = some_without || song.comments.empty();
        }
    }
    EXPECT_GE(most, 30u);
    EXPECT_TRUE(some_without);
}

TEST_F(SongDetailRouteTest, PlayNumRisesByOnePerRequestOfThatSong) {
    const SampleSong& polled = sample_singers()[0].songs[0];
    const SampleSong& other = sample_singers()[0].songs[1];
    for (int request = 1; request <= 3; ++request) {
        EXPECT_EQ(play_num_of(body_of(song_detail_path(polled.shareid))),
                  std::to_string(polled.play_num + request));
    }
    EXPECT_EQ(play_num_of(body_of(song_detail_path(other.shareid))),
              std::to_string(other.play_num + 1));
}

TEST_F(SongDetailRouteTest, ConcurrentRequestsAreAllCounted) {
    const SampleSong& song = sample_singers()[1].songs[0];
    constexpr int kThreads = 4;
    constexpr int kRequestsEach = 10;
    const int port = std::stoi(m_host.substr(m_host.find(':') + 1));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&song, port] {
            httplib::Client client("127.0.0.1", port);
            for (int i = 0; i < kRequestsEach; ++i) {
                client.Get(song_detail_path(song.shareid));
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(play_num_of(body_of(song_detail_path(song.shareid))),
              std::to_string(song.play_num + kThreads * kRequestsEach + 1));
}

TEST_F(SongDetailRouteTest, UnknownShareidGetsNoSongFields) {
    const SampleSong& known = sample_singers()[0].songs[0];
    for (const std::string& shareid :
         {std::string(), std::string("nosuchsong"), known.shareid + "x", known.shareid.substr(1)}) {
        SCOPED_TRACE(shareid);
        const Text answer = utf8_to_local(body_of(song_detail_path(shareid)));
        EXPECT_TRUE(answer.starts_with("jsopgetsonginfo("));
        for (const char* marker :
             {"\"song_name\":\"", "\"content\":\"", "\"cover\":\"", "\"playurl\":\""}) {
            EXPECT_EQ(text_between(answer, marker, "\","), "") << marker;
        }
        EXPECT_EQ(play_num_of(answer), "");
    }
    EXPECT_EQ(play_num_of(body_of(song_detail_path(known.shareid))),
              std::to_string(known.play_num + 1))
        << "unknown ids count no play";
}

} // namespace
} // namespace velluno::demo
