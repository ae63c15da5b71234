#include "text/json_document.h"
#include "text/regex_object.h"
#include "text/text_between.h"

#include <benchmark/benchmark.h>
#include <string>

namespace velluno {
namespace {

constexpr std::string_view kCommentPattern =
    "content\":\"(.*?)\",\n\"is_owner\":.*?,\n\"uid\":\".*?\",\n\"nick\":\"(.*?)\"";
constexpr RegexOptions kCommentOptions{
    .case_sensitive = false, .multiline = false, .global = true, .expand_quote_marker = true};

// A song-detail answer, one member per line, with `comments` comments.
Text detail_answer(int comments) {
    Text text = "jsopgetsonginfo({\n\"song_name\":\"song\",\n\"content\":\"intro\",\n"
                "\"play_num\":7,\n\"comments\":[";
    for (int i = 0; i < comments; ++i) {
        text += "{\n\"content\":\"comment number " + std::to_string(i) +
                "[em]e100[/em]\",\n\"is_owner\":0,\n\"uid\":\"u" + std::to_string(i) +
                "\",\n\"nick\":\"nick" + std::to_string(i) + "\"\n},";
    }
    return text + "]\n})";
}

// A homepage answer with `songs` songs under data.ugclist.
Text homepage_answer(int songs) {
    Text text = "{\"code\":0,\"data\":{\"kge_uid\":\"abc\",\"ugclist\":[";
    for (int i = 0; i < songs; ++i) {
        text += (i == 0 ? "" : ",") + std::string("{\"title\":\"title ") + std::to_string(i) +
                "\",\"shareid\":\"s" + std::to_string(i) + "\"}";
    }
    return text + "]}}";
}

void comment_pattern_over_answer(benchmark::State& state) {
    const Text answer = detail_answer(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        RegexObject regex;
        regex.run(kCommentPattern, answer, kCommentOptions);
        benchmark::DoNotOptimize(regex.match_count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(comment_pattern_over_answer)->RangeMultiplier(4)->Range(1, 4096)->Complexity();

void play_count_marker(benchmark::State& state) {
    const Text answer = detail_answer(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(text_between(answer, "\"play_num\":", ","));
    }
}
BENCHMARK(play_count_marker)->Range(1, 4096);

void song_page_from_homepage_answer(benchmark::State& state) {
    const Text answer = homepage_answer(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        JsonDocument document;
        document.parse(answer);
        const int count = document.get_member_count("data.ugclist");
        for (int i = 0; i < count; ++i) {
            const std::string element = "data.ugclist[" + std::to_string(i) + "]";
            benchmark::DoNotOptimize(document.get_property(element + ".title"));
            benchmark::DoNotOptimize(document.get_property(element + ".shareid"));
        }
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(song_page_from_homepage_answer)->RangeMultiplier(4)->Range(8, 2048)->Complexity();

} // namespace
} // namespace velluno
