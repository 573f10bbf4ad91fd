// The pieces of JSON that orv writes: string literals and the UTF-8 check they rest on.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Json {

// Length of the well-formed UTF-8 sequence at the start of text (1 to 4), or 0 when the
// bytes there are no such sequence (a stray continuation byte, an overlong form, a surrogate,
// a code point above U+10FFFF, or a sequence cut short). text must not be empty.
std::size_t Utf8SequenceLength(std::string_view text);

bool IsValidUtf8(std::string_view text);

// Printable ASCII throughout (0x20 to 0x7E), as nearly every field orv reads is: then it
// holds no control character and is valid UTF-8. Sixteen bytes are checked at once.
bool IsPrintableAscii(std::string_view text);

// Appends text as a JSON string literal, quotes included: '"' and '\' escaped, control
// characters as \n, \t ... or \u00XX, and every byte that is not part of well-formed UTF-8
// as U+FFFD, so that the output is always valid JSON whatever the input bytes.
void AppendString(std::string& out, std::string_view text);

// The most bytes AppendString writes for a text of size bytes: six for each ("\u0001") and
// the quotes.
constexpr std::size_t MostStringBytes(std::size_t size) {
    return 6 * size + 2;
}

// As AppendString, written at out, which has room for MostStringBytes(text.size()) bytes;
// returns the end of what was written.
char* WriteString(char* out, std::string_view text);

} // namespace Json
