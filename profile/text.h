// Shows file bytes as text: UTF-8 where they are valid UTF-8, otherwise Windows-1252.
#pragma once

#include <string>
#include <string_view>

bool IstUtf8(std::string_view bytes);

// The bytes as UTF-8: unchanged when valid UTF-8, otherwise each byte read as Windows-1252.
std::string AlsUtf8(std::string_view bytes);
