#include "engine/words_and_numbers.h"

#include <charconv>
#include <limits>

namespace engine {

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && separators.find(text[pos]) != std::string_view::npos)
            ++pos;
        const std::size_t start = pos;
        while (pos < text.size() && separators.find(text[pos]) == std::string_view::npos)
            ++pos;
        if (pos > start)
            words.push_back(text.substr(start, pos - start));
    }
    return words;
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || end != text.data() + text.size())
        return std::nullopt;
    if (err == std::errc::result_out_of_range) {
        using Limits = std::numeric_limits<std::int64_t>;
        return text.front() == '-' ? Limits::min() : Limits::max();
    }
    if (err != std::errc())
        return std::nullopt;
    return value;
}

std::optional<int> NumberWithin(std::string_view text, int min, int max)
{
    const std::optional<std::int64_t> value = ParseWholeNumber(text);
    if (!value || *value < min || *value > max)
        return std::nullopt;
    return static_cast<int>(*value);
}

} // namespace engine
