#pragma once

#include <string>
#include <string_view>

// Windows-1252, the code page of the program's files and captions; the program's
// own strings are UTF-8. The five codes the page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 controls of the same number, so that every byte
// survives a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters without a code in the page become '?'; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view text);
