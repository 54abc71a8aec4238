// Text for files read on Windows: the report is written one byte per
// character in the Windows-1252 code page, while the program's texts are
// UTF-8.
#pragma once

#include <string>
#include <string_view>

// Converts UTF-8 text to Windows-1252 bytes. A character the code page lacks,
// or a byte that is not valid UTF-8, becomes '?', so the result always has
// one byte per character of the input.
std::string ParaWindows1252(std::string_view utf8);
