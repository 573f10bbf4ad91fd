#include "cli/Json.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace Json {

namespace {

uint8_t Byte(std::string_view text, std::size_t i) {
    return static_cast<uint8_t>(text[i]);
}

bool IsContinuation(uint8_t b) {
    return (b & 0xC0) == 0x80;
}

} // namespace

std::size_t Utf8SequenceLength(std::string_view text) {
    const uint8_t lead = Byte(text, 0);
    if (lead < 0x80) return 1;
    // The allowed range of the second byte excludes overlong forms, surrogates and code
    // points beyond U+10FFFF (RFC 3629, table in section 4).
    std::size_t length = 0;
    uint8_t low = 0x80;
    uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    const uint8_t second = Byte(text, 1);
    if (second < low || second > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(Byte(text, i))) return 0;
    }
    return length;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (Byte(text, i) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        if (length == 0) return false;
        i += length;
    }
    return true;
}

namespace {

// Bytes that stand for themselves in a JSON string: printable ASCII but '"' and '\'.
constexpr std::array<bool, 256> plainBytes = [] {
    std::array<bool, 256> plain{};
    for (std::size_t b = 0x20; b < 0x80; ++b)
        plain[b] = b != '"' && b != '\\';
    return plain;
}();

// One byte or UTF-8 sequence at text[i] that is not plain, written at out; returns the bytes
// used and moves out past what it wrote (at most six bytes for each byte used).
std::size_t WriteSpecial(char*& out, std::string_view text, std::size_t i) {
    static constexpr char hex[] = "0123456789abcdef";
    const auto put = [&out](std::string_view piece) {
        std::memcpy(out, piece.data(), piece.size());
        out += piece.size();
    };
    const uint8_t b = Byte(text, i);
    if (b >= 0x80) {
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        if (length == 0) {
            put("\\ufffd");
            return 1;
        }
        put(text.substr(i, length));
        return length;
    }
    switch (b) {
    case '"':
        put("\\\"");
        break;
    case '\\':
        put("\\\\");
        break;
    case '\n':
        put("\\n");
        break;
    case '\r':
        put("\\r");
        break;
    case '\t':
        put("\\t");
        break;
    case '\b':
        put("\\b");
        break;
    case '\f':
        put("\\f");
        break;
    default:
        put("\\u00");
        *out++ = hex[b >> 4];
        *out++ = hex[b & 0xF];
    }
    return 1;
}

// True when none of the eight bytes of w needs escaping or is beyond ASCII (a byte below
// 0x20, '"', '\\' or from 0x80); it may say false for plain bytes too, never true wrongly.
bool EightPlain(uint64_t w) {
    constexpr uint64_t ones = 0x0101010101010101;
    constexpr uint64_t highs = 0x8080808080808080;
    const auto hasZero = [](uint64_t v) { return (v - ones) & ~v & highs; };
    const uint64_t below = (w - ones * 0x20) & ~w & highs;
    return ((w & highs) | below | hasZero(w ^ (ones * '"')) | hasZero(w ^ (ones * '\\'))) == 0;
}

// The end of the run of plain bytes that starts at i.
std::size_t PlainRunEnd(std::string_view text, std::size_t i) {
    uint64_t w = 0;
    while (i + 8 <= text.size()) {
        std::memcpy(&w, text.data() + i, 8);
        if (!EightPlain(w)) break;
        i += 8;
    }
    while (i < text.size() && plainBytes[Byte(text, i)])
        ++i;
    return i;
}

// Copies the plain eight-byte words at the start of text to out; when the bytes left are
// fewer than eight, the last eight of the text (read again) may show them plain too, and a
// text of four to seven bytes is checked whole. Returns the bytes copied.
std::size_t CopyPlainWords(char* out, std::string_view text) {
    const std::size_t size = text.size();
    std::size_t i = 0;
    uint64_t w = 0;
    while (i + 8 <= size) {
        std::memcpy(&w, text.data() + i, 8);
        if (!EightPlain(w)) return i;
        std::memcpy(out + i, &w, 8);
        i += 8;
    }
    if (size < 8) {
        // Four to seven bytes: their first four and last four (overlapping) as one word.
        if (size < 4) return 0;
        uint32_t head = 0;
        uint32_t tail = 0;
        std::memcpy(&head, text.data(), 4);
        std::memcpy(&tail, text.data() + size - 4, 4);
        if (!EightPlain(head | uint64_t{tail} << 32)) return 0;
        std::memcpy(out, &head, 4);
        std::memcpy(out + size - 4, &tail, 4);
        return size;
    }
    if (i == size) return i;
    std::memcpy(&w, text.data() + size - 8, 8);
    if (!EightPlain(w)) return i;
    std::memcpy(out + size - 8, &w, 8);
    return size;
}

} // namespace

char* WriteString(char* out, std::string_view text) {
    *out++ = '"';
    // Runs of plain bytes are copied whole: they are nearly all of what orv writes.
    std::size_t i = CopyPlainWords(out, text);
    out += i;
    while (i < text.size()) {
        const std::size_t end = PlainRunEnd(text, i);
        std::memcpy(out, text.data() + i, end - i);
        out += end - i;
        i = end;
        if (i < text.size()) i += WriteSpecial(out, text, i);
    }
    *out++ = '"';
    return out;
}

void AppendString(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out.resize(start + MostStringBytes(text.size()));
    char* const end = WriteString(out.data() + start, text);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

} // namespace Json
