#include "text/charset.h"

#include "text/ascii_case.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <optional>
#include <string>

namespace velluno {

namespace {

constexpr auto kUtf8 = "UTF-8";
constexpr auto kUtf16 = "UTF-16LE";
// The local code page: GBK, widened to GB18030 so no character is lost.
constexpr auto kLocal = "GB18030";
constexpr auto kDefaultFrom = "UTF-8";
constexpr auto kDefaultTo = "GBK";

// U+FFFD in each encoding a lenient conversion writes.
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";
constexpr std::string_view kReplacementUtf16 = "\xFD\xFF";
constexpr std::string_view kReplacementLocal = "\x84\x31\xA4\x37";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// An open iconv converter, closed when it goes out of scope.
class Converter {
public:
    // `unit` is the size of the input's code units: a bad unit is skipped whole.
    Converter(const std::string& from, const std::string& to, size_t unit = 1)
        : m_handle(iconv_open(to.c_str(), from.c_str())), m_unit(unit) {}
    ~Converter() {
        if (valid()) {
            iconv_close(m_handle);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `input`. Without a replacement any invalid or cut input
    // fails the whole conversion; with one, each bad byte (or a cut tail)
    // becomes the replacement and the conversion goes on.
    std::optional<std::string> convert(std::string_view input,
                                       std::optional<std::string_view> replacement) {
        std::string output;
        output.resize(input.size() * 2 + 16);
        size_t used = 0;
        char* in = const_cast<char*>(input.data());
        size_t in_left = input.size();
        // Runs one iconv call into the free end of `output`, growing it when full.
        const auto step = [&](char** source, size_t* source_left) {
            char* out = output.data() + used;
            size_t out_left = output.size() - used;
            const size_t result = iconv(m_handle, source, source_left, &out, &out_left);
            const int error = result == static_cast<size_t>(-1) ? errno : 0;
            used = output.size() - out_left;
            if (error == E2BIG) {
                output.resize(output.size() * 2);
            }
            return error;
        };
        while (in_left > 0) {
            const int error = step(&in, &in_left);
            if (error == 0 || error == E2BIG) {
                continue;
            }
            if (!replacement || (error != EILSEQ && error != EINVAL)) {
                return std::nullopt;
            }
            output.replace(used, replacement->size(), *replacement);
            used += replacement->size();
            output.resize(std::max(output.size(), used + 16));
            const size_t skipped = error == EINVAL ? in_left : std::min(m_unit, in_left);
            in += skipped;
            in_left -= skipped;
        }
        while (step(nullptr, nullptr) == E2BIG) {
        }
        output.resize(used);
        return output;
    }

    // How converting `input` alone ends: 0 when it converts whole, else the
    // error of its first sequence that does not (EILSEQ bad, EINVAL cut short).
    int probe(std::string_view input) {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input.data());
        size_t in_left = input.size();
        std::string output(input.size() * 4 + 16, '\0');
        char* out = output.data();
        size_t out_left = output.size();
        return iconv(m_handle, &in, &in_left, &out, &out_left) == static_cast<size_t>(-1) ? errno
                                                                                          : 0;
    }

private:
    iconv_t m_handle;
    size_t m_unit;
};

const char* code_page_charset(int code_page) {
    switch (code_page) {
    case kCodePageUtf8:
        return kUtf8;
    case kCodePageGbk:
    case kCodePageSystem:
        return kLocal;
    default:
        return nullptr;
    }
}

// Names of a character set as convert_charset's callers give them; GBK is
// served by its superset so that nothing is lost.
std::string charset_for_name(std::string_view name) {
    const std::string lower = ascii_lower(name);
    if (lower == "gbk" || lower == "cp936" || lower == "gb2312") {
        return kLocal;
    }
    if (lower == "utf-8" || lower == "utf8") {
        return kUtf8;
    }
    return lower;
}

// The length of the character that starts `text` as local_to_utf8 reads it: a
// valid sequence whole, a bad byte alone, a sequence cut by the end whole.
std::size_t local_character_length(Converter& converter, std::string_view text) {
    constexpr std::size_t kLongestSequence = 4;
    for (std::size_t length = 1; length <= std::min(kLongestSequence, text.size()); ++length) {
        const int error = converter.probe(text.substr(0, length));
        if (error == 0) {
            return length;
        }
        if (error != EINVAL) {
            return 1;
        }
    }
    return text.size() < kLongestSequence ? text.size() : 1;
}

} // namespace

Text utf8_to_local(std::string_view text) {
    return wide_to_text(text_to_wide(text), kCodePageGbk);
}

std::string local_to_utf8(std::string_view text) {
    Converter converter(kLocal, kUtf8);
    return converter.convert(text, kReplacementUtf8).value_or(std::string());
}

std::size_t local_offset_of_character(std::string_view text, std::size_t characters) {
    Converter converter(kLocal, kUtf8);
    std::size_t offset = 0;
    for (std::size_t counted = 0; counted < characters && offset < text.size(); ++counted) {
        offset += local_character_length(converter, text.substr(offset));
    }
    return std::min(offset, text.size());
}

Bytes text_to_wide(std::string_view text, int code_page) {
    const char* charset = code_page_charset(code_page);
    if (charset == nullptr) {
        return {};
    }
    Converter converter(charset, kUtf16);
    const std::string wide =
        converter.convert(up_to_first_zero(text), kReplacementUtf16).value_or(std::string());
    Bytes result(wide.begin(), wide.end());
    result.push_back(0);
    result.push_back(0);
    return result;
}

Text wide_to_text(const Bytes& wide, int code_page) {
    const char* charset = code_page_charset(code_page);
    if (charset == nullptr) {
        return {};
    }
    size_t units = 0;
    while (2 * units + 1 < wide.size() && (wide[2 * units] != 0 || wide[2 * units + 1] != 0)) {
        ++units;
    }
    const std::string_view input(reinterpret_cast<const char*>(wide.data()), 2 * units);
    Converter converter(kUtf16, charset, 2);
    const std::string_view replacement =
        code_page == kCodePageUtf8 ? kReplacementUtf8 : kReplacementLocal;
    return converter.convert(input, replacement).value_or(Text());
}

Bytes convert_charset(const Bytes& data, std::string_view from_charset, std::string_view to_charset,
                      std::optional<int> start_offset) {
    const std::string from = charset_for_name(from_charset.empty() ? kDefaultFrom : from_charset);
    const std::string to = charset_for_name(to_charset.empty() ? kDefaultTo : to_charset);
    Converter converter(from, to);
    if (!converter.valid()) {
        return {};
    }
    std::string_view input(reinterpret_cast<const char*>(data.data()), data.size());
    if (from == kUtf8 && input.starts_with(kUtf8ByteOrderMark)) {
        input.remove_prefix(kUtf8ByteOrderMark.size());
    }
    // The replacement goes through the same converter, so it is in the target's encoding.
    Converter replacement_converter(kUtf8, to);
    const std::string replacement =
        replacement_converter.convert(kReplacementUtf8, std::nullopt).value_or("?");
    const std::string converted = converter.convert(input, replacement).value_or(std::string());
    const size_t offset = static_cast<size_t>(std::max(start_offset.value_or(0), 0));
    if (offset >= converted.size()) {
        return {};
    }
    return Bytes(converted.begin() + static_cast<std::ptrdiff_t>(offset), converted.end());
}

Bytes recode_bytes(const Bytes& data, std::string_view from_charset, std::string_view to_charset) {
    Converter converter{std::string(from_charset), std::string(to_charset)};
    if (!converter.valid() || data.empty()) {
        return {};
    }
    const std::string_view input(reinterpret_cast<const char*>(data.data()), data.size());
    const std::optional<std::string> converted = converter.convert(input, std::nullopt);
    if (!converted) {
        return {};
    }
    return Bytes(converted->begin(), converted->end());
}

} // namespace velluno
