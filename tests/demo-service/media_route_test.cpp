#include "tests/demo-service/service_test.h"
#include "text/charset.h"
#include "text/replace_pairs.h"
#include "text/text_between.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace velluno::demo {
namespace {

constexpr std::string_view kPngType = "image/png";
constexpr std::string_view kJpegType = "image/jpeg";
constexpr std::string_view kPngMagic = "\x89PNG\r\n\x1a\n";
constexpr std::string_view kJpegMagic = "\xFF\xD8\xFF";
constexpr std::size_t kWavHeaderSize = 44;

class MediaRouteTest : public ServiceTest {
protected:
    std::string avatar_path(const SampleSinger& singer) {
        const Text profile = unwrapped_homepage(body_of(homepage_path(singer.uid, 1)));
        return path_of(text_between(profile, "head_img_url\":\"", "\""));
    }
    Text song_value(const SampleSong& song, const char* left) {
        return text_between(utf8_to_local(body_of(song_detail_path(song.shareid))), left, "\",");
    }
    std::string cover_path(const SampleSong& song) {
        return path_of(song_value(song, "\"cover\":\""));
    }
    std::string recording_path(const SampleSong& song) {
        return path_of(replace_pairs(song_value(song, "\"playurl\":\""), "\\/", "/"));
    }

    // Fetches a picture, checks that it decodes as the type its header names,
    // and returns that type.
    std::string fetch_picture(const std::string& path, std::set<std::string>& seen) {
        const httplib::Result result = get(path);
        EXPECT_TRUE(result) << path;
        if (!result) {
            return {};
        }
        EXPECT_EQ(result->status, 200) << path;
        const std::string type = result->get_header_value("Content-Type");
        const std::string_view magic = type == kPngType ? kPngMagic : kJpegMagic;
        EXPECT_TRUE(result->body.starts_with(magic)) << path << " served as " << type;
        QImage image;
        EXPECT_TRUE(image.loadFromData(QByteArray::fromStdString(result->body))) << path;
        EXPECT_TRUE(seen.insert(result->body).second) << path << " looks like another picture";
        return type;
    }
};

std::uint32_t little_endian(const std::string& bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

TEST_F(MediaRouteTest, AvatarsAndCoversDecodeAndDifferInBothFormats) {
    std::set<std::string> pictures;
    std::set<std::string> types;
    for (const SampleSinger& singer : sample_singers()) {
        SCOPED_TRACE(singer.uid);
        types.insert(fetch_picture(avatar_path(singer), pictures));
        for (const SampleSong& song : singer.songs) {
            types.insert(fetch_picture(cover_path(song), pictures));
        }
    }
    EXPECT_EQ(types, (std::set<std::string>{std::string(kPngType), std::string(kJpegType)}));
}

TEST_F(MediaRouteTest, RecordingsArePlayableWavesOfAFewSeconds) {
    std::set<std::string> recordings;
    for (const SampleSong& song : sample_singers()[2].songs) {
        SCOPED_TRACE(song.shareid);
        const httplib::Result result = get(recording_path(song));
        ASSERT_TRUE(result);
        ASSERT_EQ(result->status, 200);
        const std::string& wav = result->body;
        ASSERT_GT(wav.size(), kWavHeaderSize);
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(little_endian(wav, 4, 4), wav.size() - 8);
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(little_endian(wav, 20, 2), 1u) << "PCM";
        const std::uint32_t channels = little_endian(wav, 22, 2);
        const std::uint32_t rate = little_endian(wav, 24, 4);
        const std::uint32_t bits = little_endian(wav, 34, 2);
        EXPECT_EQ(little_endian(wav, 28, 4), rate * channels * bits / 8) << "byte rate";
        EXPECT_EQ(wav.substr(36, 4), "data");
        const std::uint32_t data_size = little_endian(wav, 40, 4);
        EXPECT_EQ(data_size, wav.size() - kWavHeaderSize);
        const double seconds = static_cast<double>(data_size) / (rate * channels * bits / 8);
        EXPECT_GE(seconds, 1.0);
        EXPECT_LE(seconds, 10.0);
        EXPECT_TRUE(recordings.insert(wav).second) << "each song has a tune of its own";
    }
}

TEST_F(MediaRouteTest, SharePageNamesTheSongAndItsSinger) {
    for (const SampleSinger& singer : sample_singers()) {
        for (const SampleSong& song : singer.songs) {
            SCOPED_TRACE(song.shareid);
            const httplib::Result result = get("/play.html?s=" + song.shareid);
            ASSERT_TRUE(result);
            EXPECT_EQ(result->status, 200);
            EXPECT_EQ(result->get_header_value("Content-Type"), "text/html; charset=utf-8");
            // The only escape in the sample titles is \", which HTML writes as &quot;.
            const std::string title = replace_pairs(song.title, "\\\"", "&quot;");
            EXPECT_NE(result->body.find("<h1>" + title + "</h1>"), std::string::npos);
            EXPECT_NE(result->body.find(singer.nickname), std::string::npos);
        }
    }
}

TEST_F(MediaRouteTest, UnknownPathsAndIdsGetNotFound) {
    const SampleSinger& singer = sample_singers().front();
    const SampleSong& song = singer.songs.front();
    const std::vector<std::string> paths = {
        "/",
        "/fcgi-bin/kg_ugc_get_homepage/extra",
        "/fcgi-bin/other",
        "/play.html",
        "/play.html?s=nosuchsong",
        "/playXhtml?s=" + song.shareid,
        "/pictures/avatar/nosuchsinger.png",
        "/pictures/avatar/" + singer.uid + ".gif",
        "/pictures/avatar/" + singer.uid,
        "/pictures/avatar/.png",
        "/pictures/cover/" + song.shareid + ".bmp",
        "/pictures/cover/" + singer.uid + ".png",
        "/recordings/nosuchsong.wav",
        "/recordings/" + song.shareid + ".mp3",
        "/recordings/" + song.shareid + ".wav/more",
    };
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const httplib::Result result = get(path);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 404);
    }
}

} // namespace
} // namespace velluno::demo
