#pragma once

#include <string>
#include <vector>

namespace velluno::demo {

// Sample data the service answers with. Texts are UTF-8 exactly as they stand
// in the service's JSON answers (JSON escapes such as \" or \n included).
struct SampleComment {
    std::string uid;
    std::string nick;
    std::string content;
};

struct SampleSong {
    std::string shareid;
    std::string title;
    std::string introduction;
    std::vector<SampleComment> comments;
    // The play count before the first detail request; every request adds one.
    int play_num = 0;
};

struct SampleSinger {
    std::string uid;
    std::string nickname;
    int age = 0;
    int level = 0;
    std::string level_name;
    int followers = 0;
    int following = 0;
    std::vector<SampleSong> songs;
};

// Singers with 19, 9, 8, 3 and 0 songs, in this order.
const std::vector<SampleSinger>& sample_singers();

} // namespace velluno::demo
