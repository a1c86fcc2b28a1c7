#include "cli/count_text.h"

#include <charconv>
#include <system_error>

std::optional<int> ParseCount(std::string_view text, int least, int most)
{
    // from_chars takes a leading '-'; a count is digits only.
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return std::nullopt;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || ptr != end || value < least || value > most) {
        return std::nullopt;
    }
    return value;
}
