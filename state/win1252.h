// The save and general-data files hold their texts in the Windows-1252 code page, one byte per
// character; the game holds its strings as UTF-8. These convert at the file boundary and nowhere
// else.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace state {

// The longest text a file record can hold, in Windows-1252 bytes.
inline constexpr std::size_t kMaxFileTextLength = 255;

// UTF-8 to Windows-1252: one byte per character. A character the code page cannot hold, and every
// byte of a malformed UTF-8 sequence, becomes "?".
std::string Utf8ToWin1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the control characters of the same number, so every byte comes back unchanged.
std::string Win1252ToUtf8(std::string_view bytes);

// A text as a file record keeps it: characters outside Windows-1252 become "?" and the text is cut
// to its first 255 characters. Text the player types is fitted with this, so it saves exactly.
std::string FitToFileText(std::string_view utf8);

}  // namespace state
