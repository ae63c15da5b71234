#include "tools/demo-service/sample_singers.h"

#include "tools/demo-service/stable_hash.h"

#include <array>
#include <string_view>

namespace velluno::demo {

namespace {

struct SingerProfile {
    std::string_view uid;
    std::string_view nickname;
    int age;
    int level;
    std::string_view level_name;
    int followers;
    int following;
    int song_count;
    int first_title; // index into kTitles of the singer's first song
};

// The fish (U+1F41F) lies outside GBK: the program must keep it through GB18030.
constexpr std::array kProfiles = {
    SingerProfile{"5f3a9c1e7b2d4a60", "林间晚风", 23, 7, "歌坛新星", 1286, 37, 19, 0},
    SingerProfile{"8b1e4d7a02c9f356", "小鱼\U0001F41F", 19, 4, "初露锋芒", 342, 58, 9, 5},
    SingerProfile{"c29d07f4a1e6b853", "阿杰", 31, 12, "实力唱将", 5021, 12, 8, 10},
    SingerProfile{"1e6b5a3d9f0c7284", "夏天的猫", 27, 2, "乐坛新人", 9, 101, 3, 15},
    SingerProfile{"7a0c4f8e6d2b3915", "新来的", 21, 1, "初来乍到", 0, 1, 0, 0},
};

constexpr std::array<std::string_view, 24> kTitles = {
    "稻香",           "夜曲",     R"(翻唱 \"晴天\")",
    "后来",           "小幸运",   "平凡之路",
    "光年之外",       "起风了",   "成都",
    "演员",           "十年",     "红豆",
    "遇见",           "童话",     "海阔天空",
    "月亮代表我的心", "传奇",     "匆匆那年",
    "漂洋过海来看你", "岁月神偷", "告白气球",
    "说散就散",       "体面",     "消愁",
};

constexpr std::array<std::string_view, 8> kIntroductions = {
    "第一次尝试这首歌，请多指教～",
    "录于深夜，耳机党请调小音量",
    "送给一直支持我的朋友们[em]e100[/em]",
    R"(这首歌陪我走过了很多年\n希望你也喜欢)",
    "清唱版，没有修音",
    "和朋友一起在KTV录的，欢迎点评",
    "",
    "高音部分还需要练习，见笑了",
};

struct Listener {
    std::string_view uid;
    std::string_view nick;
};

constexpr std::array kListeners = {
    Listener{"3c7e0a91f2b84d16", "听风的人"}, Listener{"a41d9e6b07c35f28", "橘子汽水"},
    Listener{"0f8b2c6d4e1a9375", "北方的雪"}, Listener{"6e2a8f0c3b9d1474", "路过的猫"},
    Listener{"d5c19b7e2a0f6843", "星星点灯"}, Listener{"92b4e7a1c0d8f365", "老王"},
};

constexpr std::array<std::string_view, 10> kCommentTexts = {
    "好听[em]e100[/em]",
    "声音好温柔，循环了一下午",
    "副歌那里太有感觉了[em]e113[/em][em]e100[/em]",
    R"(第一句就被圈粉了\n已关注)",
    "支持支持！",
    "期待下一首～",
    "这个翻唱比原唱还好听",
    R"(听哭了[em]e120[/em]\n谢谢你的歌声)",
    "打卡，每天都来听一遍",
    "前奏一响就知道是这首",
};

constexpr std::string_view kOwnerReply = "谢谢大家的喜欢[em]e179[/em]";
// The first song of the first singer carries a long thread, its second song none.
constexpr int kLongThreadLength = 30;
constexpr std::string_view kFloorPrefix = "第";
constexpr std::string_view kFloorSuffix = "楼 ";
constexpr std::string_view kBase62 =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kShareidLength = 11; // 62^11 covers every 64-bit hash
constexpr int kLowestPlayNum = 100;
constexpr int kPlayNumSpread = 9000;

std::string made_up_shareid(std::string_view uid, int number) {
    std::uint64_t hash = stable_hash(std::string(uid) + "/" + std::to_string(number));
    std::string shareid;
    for (int i = 0; i < kShareidLength; ++i) {
        shareid += kBase62[hash % kBase62.size()];
        hash /= kBase62.size();
    }
    return shareid;
}

SampleComment listener_comment(int index, std::string content) {
    const Listener& listener = kListeners[index % kListeners.size()];
    return {std::string(listener.uid), std::string(listener.nick), std::move(content)};
}

std::vector<SampleComment> long_thread() {
    std::vector<SampleComment> comments;
    for (int i = 0; i < kLongThreadLength; ++i) {
        comments.push_back(listener_comment(
            i, std::string(kFloorPrefix) + std::to_string(i + 1) + std::string(kFloorSuffix) +
                   std::string(kCommentTexts[i % kCommentTexts.size()])));
    }
    return comments;
}

// One to three listener comments, and on every third song the singer's own reply.
std::vector<SampleComment> short_thread(const SingerProfile& profile, int seed, int number) {
    std::vector<SampleComment> comments;
    const int count = 1 + seed % 3;
    for (int i = 0; i < count; ++i) {
        comments.push_back(listener_comment(
            seed + i, std::string(kCommentTexts[(seed + i) % kCommentTexts.size()])));
    }
    if (number % 3 == 0) {
        comments.push_back(SampleComment{std::string(profile.uid), std::string(profile.nickname),
                                         std::string(kOwnerReply)});
    }
    return comments;
}

std::vector<SampleComment> comments_for(const SingerProfile& profile, int seed, int number) {
    const bool first_singer = profile.uid == kProfiles.front().uid;
    if (first_singer && number == 1) {
        return long_thread();
    }
    if (first_singer && number == 2) {
        return {};
    }
    return short_thread(profile, seed, number);
}

SampleSong make_song(const SingerProfile& profile, int number, int seed) {
    SampleSong song;
    song.shareid = made_up_shareid(profile.uid, number);
    song.title = kTitles[(profile.first_title + number - 1) % kTitles.size()];
    song.introduction = kIntroductions[seed % kIntroductions.size()];
    song.comments = comments_for(profile, seed, number);
    song.play_num = kLowestPlayNum + static_cast<int>(stable_hash(song.shareid) % kPlayNumSpread);
    return song;
}

std::vector<SampleSinger> make_singers() {
    std::vector<SampleSinger> singers;
    int seed = 0; // runs on across singers so that neighbouring songs differ
    for (const SingerProfile& profile : kProfiles) {
        SampleSinger singer{std::string(profile.uid),
                            std::string(profile.nickname),
                            profile.age,
                            profile.level,
                            std::string(profile.level_name),
                            profile.followers,
                            profile.following,
                            {}};
        for (int number = 1; number <= profile.song_count; ++number) {
            singer.songs.push_back(make_song(profile, number, seed++));
        }
        singers.push_back(std::move(singer));
    }
    return singers;
}

} // namespace

const std::vector<SampleSinger>& sample_singers() {
    static const std::vector<SampleSinger> singers = make_singers();
    return singers;
}

} // namespace velluno::demo
