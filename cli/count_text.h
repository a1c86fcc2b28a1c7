// Whole numbers as vorlen-render's options take them: digits only.
#pragma once

#include <optional>
#include <string_view>

// The text read as a count from `least` to `most`: decimal digits and
// nothing else (no sign, no blanks); nullopt for anything else.
std::optional<int> ParseCount(std::string_view text, int least, int most);
