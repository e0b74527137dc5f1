#pragma once

// Character encodings the program meets in its own files: UTF-8 in memory, UTF-16 (either
// byte order) and Windows-1252 in files written on other systems, and whatever a file's
// declaration names (through GLib's iconv).
//
// Every decoder here produces valid UTF-8 whatever bytes it is given: undecodable input
// becomes U+FFFD, so text read from a file can be handed on without further checks.

#include <cstddef>
#include <string>
#include <string_view>

namespace clavora {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Appends the UTF-8 form of a code point (U+FFFD for surrogates and values past U+10FFFF).
void AppendUtf8(std::string& out, char32_t cp);

// Decodes the code point at pos and moves pos past it; an invalid or truncated sequence
// gives U+FFFD and moves pos by one byte. pos must be below text.size().
char32_t DecodeUtf8(std::string_view text, size_t& pos);

bool IsValidUtf8(std::string_view text);
// True when text holds any byte of 0x80 or above.
bool HasNonAscii(std::string_view text);
// Replaces every invalid UTF-8 sequence by U+FFFD.
std::string SanitizeUtf8(std::string_view text);
// Number of code points (each invalid byte counts as one).
size_t Utf8Length(std::string_view text);
// The text cut after at most maxChars code points, never inside a character.
std::string_view TruncateUtf8(std::string_view text, size_t maxChars);

// UTF-16 bytes (no byte-order mark) to UTF-8. Unpaired surrogates become U+FFFD; a final odd
// byte is dropped and reported through oddByte when given.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian, bool* oddByte = nullptr);
std::string Utf8ToUtf16(std::string_view text, bool bigEndian);

// Windows-1252 to UTF-8; every byte maps (the five unassigned ones to their C1 controls, as
// Windows does).
std::string Windows1252ToUtf8(std::string_view bytes);
// UTF-8 to Windows-1252; characters it cannot hold become '?' and are counted in lost.
std::string Utf8ToWindows1252(std::string_view text, size_t& lost);

// Converts between two iconv charsets. Undecodable input becomes U+FFFD (or '?' when the
// target is not UTF-8) and is counted in lost; truncated is set when the input ends inside
// a character. False only when iconv does not know either charset.
struct CharsetConversion {
    std::string text;
    size_t lost = 0;
    bool truncated = false;
};
bool ConvertCharset(std::string_view input, const char* from, const char* to, CharsetConversion& result);

} // namespace clavora
