#pragma once
#include <string>
#include <string_view>

namespace vornel {

// Data files keep their texts in the Greek 8-bit code page (windows-1253);
// inside the program every text is UTF-8.
std::string toAnsi(std::string_view utf8);     // a character the code page lacks becomes '?'
std::string fromAnsi(std::string_view bytes);  // a byte the code page leaves undefined becomes U+FFFD

}  // namespace vornel
