#pragma once
#include <string>
#include <string_view>

namespace vornel {

// Data files keep their texts in the Greek 8-bit code page (windows-1253);
// inside the program every text is UTF-8.
//
// A byte the code page leaves undefined (0xD2, 0xFF, ... in a file another
// code page wrote) reads as the private-use character U+F700 + byte and is
// written back as that byte, so a text read and written again keeps its bytes.
std::string toAnsi(std::string_view utf8);     // a character the code page lacks becomes '?'
std::string fromAnsi(std::string_view bytes);
// Whether toAnsi keeps every character of the text (no '?' for a character
// the code page lacks, nor for broken UTF-8).
bool fitsCodepage(std::string_view utf8);

}  // namespace vornel
