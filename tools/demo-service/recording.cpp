#include "tools/demo-service/recording.h"

#include "tools/demo-service/stable_hash.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace velluno::demo {

namespace {

constexpr std::uint32_t kSampleRate = 22050;
constexpr std::uint16_t kChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint32_t kFormatChunkSize = 16;
constexpr int kNoteCount = 6;
constexpr double kNoteSeconds = 0.5; // six notes: three seconds in all
constexpr double kAttackSeconds = 0.02;
constexpr double kBaseFrequency = 220.0;
constexpr double kVolume = 0.3;
constexpr double kOvertoneShare = 0.3;
// A pentatonic scale in semitones above the base: any tune drawn from it sounds tidy.
constexpr std::array kScale = {0, 2, 4, 7, 9, 12, 14, 16};

void append_u16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void append_u32(std::string& out, std::uint32_t value) {
    append_u16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    append_u16(out, static_cast<std::uint16_t>(value >> 16));
}

std::string wav_header(std::uint32_t data_size) {
    constexpr std::uint16_t block_align = kChannels * kBitsPerSample / 8;
    std::string header = "RIFF";
    append_u32(header, 36 + data_size);
    header += "WAVEfmt ";
    append_u32(header, kFormatChunkSize);
    append_u16(header, kPcmFormat);
    append_u16(header, kChannels);
    append_u32(header, kSampleRate);
    append_u32(header, kSampleRate * block_align);
    append_u16(header, block_align);
    append_u16(header, kBitsPerSample);
    header += "data";
    append_u32(header, data_size);
    return header;
}

// One sample of a plucked note: a quick rise, then a fade to silence at its end.
double note_sample(double frequency, double t) {
    const double envelope = std::min(1.0, t / kAttackSeconds) * (1.0 - t / kNoteSeconds);
    const double phase = 2.0 * std::numbers::pi * frequency * t;
    return envelope * (std::sin(phase) + kOvertoneShare * std::sin(2.0 * phase)) /
           (1.0 + kOvertoneShare);
}

void append_note(std::string& out, double frequency) {
    const int samples = static_cast<int>(kNoteSeconds * kSampleRate);
    for (int i = 0; i < samples; ++i) {
        const double value = kVolume * note_sample(frequency, static_cast<double>(i) / kSampleRate);
        append_u16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(value * 32767.0)));
    }
}

} // namespace

std::string recording_wav(std::string_view shareid) {
    std::uint64_t hash = stable_hash(shareid);
    std::string samples;
    for (int note = 0; note < kNoteCount; ++note) {
        const int semitones = kScale[hash % kScale.size()];
        hash /= kScale.size();
        append_note(samples, kBaseFrequency * std::pow(2.0, semitones / 12.0));
    }
    return wav_header(static_cast<std::uint32_t>(samples.size())) + samples;
}

} // namespace velluno::demo
