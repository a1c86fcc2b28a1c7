// Text from the user, made safe to quote in a message on a terminal.
#pragma once

#include <string>
#include <string_view>

// `text` with every control character (C0, DEL, and C1 whether as one byte
// or as UTF-8) and every byte that is not part of valid UTF-8 written as
// \xNN, one escape per byte. A quoted name or option can then neither move
// the cursor, clear a line nor change the terminal's state; everything else,
// UTF-8 letters included, is kept as it is.
std::string EscapeControlCharacters(std::string_view text);
