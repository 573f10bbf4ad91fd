#include "cli/Json.h"

#include <algorithm>
#include <array>
#include <bit>
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

// Sixteen bytes compared at once, by the vector extensions of GCC and Clang (SSE2 on x86-64,
// NEON on ARM, plain words elsewhere).
using Lanes = int8_t __attribute__((vector_size(16)));

// The same sixteen bytes as two words.
using Words = uint64_t __attribute__((vector_size(16)));

bool NoLaneSet(Lanes lanes) {
    const auto words = std::bit_cast<Words>(lanes);
    return (words[0] | words[1]) == 0;
}

Lanes LanesAt(const char* bytes) {
    Lanes v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

// True when none of the sixteen lanes needs escaping or is beyond ASCII (a byte below 0x20,
// '"', '\\' or from 0x80, a negative lane).
bool PlainLanes(Lanes v) {
    return NoLaneSet((v < 0x20) | (v == static_cast<int8_t>('"')) |
                     (v == static_cast<int8_t>('\\')));
}

// True when the sixteen lanes are printable ASCII, 0x20 to 0x7E.
bool PrintableLanes(Lanes v) {
    return NoLaneSet((v < 0x20) | (v == 0x7F));
}

// The first and last half bytes of a text of half to 2 * half bytes (half 4 or 8,
// overlapping) as sixteen lanes, spaces filling the lanes left. Built in registers: lanes
// stored piecewise and read back whole would wait on the stores.
template <std::size_t half> Lanes EndLanes(std::string_view text) {
    constexpr uint64_t spaces = 0x2020202020202020;
    const char* const tail = text.data() + text.size() - half;
    if constexpr (half == 8) {
        uint64_t head = 0;
        uint64_t last = 0;
        std::memcpy(&head, text.data(), 8);
        std::memcpy(&last, tail, 8);
        return std::bit_cast<Lanes>(Words{head, last});
    } else {
        uint32_t head = 0;
        uint32_t last = 0;
        std::memcpy(&head, text.data(), 4);
        std::memcpy(&last, tail, 4);
        return std::bit_cast<Lanes>(Words{head | uint64_t{last} << 32, spaces});
    }
}

// A text of half to 2 * half bytes copied to out when it is plain throughout, checked as
// one vector.
template <std::size_t half> bool CopyPlainEnds(char* out, std::string_view text) {
    if (!PlainLanes(EndLanes<half>(text))) return false;
    const std::size_t tail = text.size() - half;
    std::memcpy(out, text.data(), half);
    std::memcpy(out + tail, text.data() + tail, half);
    return true;
}

// Copies the plain sixteen-byte blocks at the start of text to out; the last block may
// overlap the one before it, and a text under sixteen bytes is checked whole. Returns the
// bytes copied.
std::size_t CopyPlainBlocks(char* out, std::string_view text) {
    const std::size_t size = text.size();
    if (size < 16) {
        if (size < 4) return 0;
        const bool plain = size < 8 ? CopyPlainEnds<4>(out, text) : CopyPlainEnds<8>(out, text);
        return plain ? size : 0;
    }
    std::size_t i = 0;
    for (; i + 16 <= size; i += 16) {
        if (!PlainLanes(LanesAt(text.data() + i))) return i;
        std::memcpy(out + i, text.data() + i, 16);
    }
    if (i == size || !PlainLanes(LanesAt(text.data() + size - 16))) return i;
    std::memcpy(out + size - 16, text.data() + size - 16, 16);
    return size;
}

} // namespace

bool IsPrintableAscii(std::string_view text) {
    const std::size_t size = text.size();
    if (size < 4) {
        return std::all_of(text.begin(), text.end(),
                           [](char c) { return static_cast<unsigned char>(c) - 0x20U < 0x5FU; });
    }
    if (size < 16) return PrintableLanes(size < 8 ? EndLanes<4>(text) : EndLanes<8>(text));
    for (std::size_t i = 0; i + 16 <= size; i += 16)
        if (!PrintableLanes(LanesAt(text.data() + i))) return false;
    return PrintableLanes(LanesAt(text.data() + size - 16));
}

namespace {

// The text from its first byte that is not plain, from, on: written at out, which it returns
// moved past what it wrote. Kept out of WriteString, whose plain case then stays short.
[[gnu::noinline]] char* WriteEscaped(char* out, std::string_view text, std::size_t from) {
    std::size_t i = from;
    while (i < text.size()) {
        const std::size_t end = PlainRunEnd(text, i);
        std::memcpy(out, text.data() + i, end - i);
        out += end - i;
        i = end;
        if (i < text.size()) i += WriteSpecial(out, text, i);
    }
    return out;
}

} // namespace

char* WriteString(char* out, std::string_view text) {
    *out++ = '"';
    // Runs of plain bytes are copied whole: they are nearly all of what orv writes.
    const std::size_t plain = CopyPlainBlocks(out, text);
    out = plain == text.size() ? out + plain : WriteEscaped(out + plain, text, plain);
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
