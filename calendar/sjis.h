#pragma once
// Shift-JIS (code page 932) at the edges: the settings file and calendar
// files the user asks for in that encoding. Inside the program text is UTF-8.

#include <string>
#include <string_view>

namespace hoshi {

// Throws ConversionError for a character code page 932 cannot hold.
std::string utf8ToSjis(std::string_view utf8);
// Throws ConversionError for bytes that are not valid code page 932.
std::string sjisToUtf8(std::string_view sjis);
// As sjisToUtf8, with each character that is not code page 932 read as
// U+FFFD; one pass, linear in the text.
std::string sjisToUtf8Lenient(std::string_view sjis);

} // namespace hoshi
