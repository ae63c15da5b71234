#include "text/charset.h"

#include <benchmark/benchmark.h>
#include <string>

namespace velluno {
namespace {

// A homepage-sized answer: mostly Chinese text with ASCII punctuation.
Bytes sample_answer(size_t repeats) {
    std::string text;
    for (size_t i = 0; i < repeats; ++i) {
        text +=
            "{\"title\":\"\xE4\xBD\xA0\xE5\xA5\xBD\xE4\xB8\x96\xE7\x95\x8C\",\"shareid\":\"abc\"},";
    }
    return bytes_from_text(text);
}

void recode_homepage_answer(benchmark::State& state) {
    const Bytes answer = sample_answer(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(recode_bytes(answer, "UTF-8", "GB18030"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * answer.size()));
}
BENCHMARK(recode_homepage_answer)->Range(8, 8 << 12);

void utf8_to_local_answer(benchmark::State& state) {
    const Text answer = text_from_bytes(sample_answer(static_cast<size_t>(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(utf8_to_local(answer));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * answer.size()));
}
BENCHMARK(utf8_to_local_answer)->Range(8, 8 << 12);

} // namespace
} // namespace velluno
