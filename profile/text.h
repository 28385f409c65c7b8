// Shows file bytes as text: UTF-8 where they are valid UTF-8, otherwise Windows-1252.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

bool IstUtf8(std::string_view bytes);

// The bytes as UTF-8 for display: unchanged when valid UTF-8, otherwise each byte read as
// Windows-1252. Control characters are replaced (a tab by a space, others by U+FFFD), so that no
// NUL cuts the text short where it passes through a C string, no escape sequence reaches a
// terminal and no bidirectional control reorders a line.
std::string AlsUtf8(std::string_view bytes);

// Where to cut bytes to at most `grenze`: one step earlier when the cut would split a UTF-8
// character of an otherwise valid UTF-8 text, so the kept part stays valid UTF-8.
std::size_t Utf8Schnitt(std::string_view bytes, std::size_t grenze);
