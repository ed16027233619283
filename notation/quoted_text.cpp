// Quoting text in error messages: escapes for what would not show, and a cut for what is too long.

#include "notation/quoted_text.h"

namespace notation {

namespace {

    struct Character {
        std::size_t Length; // bytes; 0 where the text holds no valid UTF-8 sequence
        char32_t CodePoint;
    };

    // The lead bytes of multi-byte UTF-8 sequences: the lead's marker bits, the sequence's length and
    // the smallest code point that needs that length (anything below is an overlong form).
    struct LeadByte {
        unsigned char Mask;
        unsigned char Marker;
        std::size_t Length;
        char32_t Smallest;
    };
    constexpr LeadByte LeadBytes[] = { { 0xE0, 0xC0, 2, 0x80 }, { 0xF0, 0xE0, 3, 0x800 }, { 0xF8, 0xF0, 4, 0x10000 } };
    constexpr Character NoCharacter { 0, 0 };

    // The UTF-8 sequence at the start of the text. Overlong forms, surrogates and code points past
    // U+10FFFF are no valid sequence.
    Character DecodeCharacter(std::string_view text)
    {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
        if (byte(0) < 0x80)
            return { 1, byte(0) };
        for (const LeadByte& lead : LeadBytes) {
            if ((byte(0) & lead.Mask) != lead.Marker)
                continue;
            if (text.size() < lead.Length)
                return NoCharacter;
            char32_t codePoint = byte(0) & static_cast<unsigned char>(~lead.Mask);
            for (std::size_t i = 1; i < lead.Length; ++i) {
                if ((byte(i) & 0xC0) != 0x80)
                    return NoCharacter;
                codePoint = codePoint << 6 | (byte(i) & 0x3F);
            }
            if (codePoint < lead.Smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
                return NoCharacter;
            return { lead.Length, codePoint };
        }
        return NoCharacter; // a continuation byte or 0xF8 and above
    }

    // C0 and C1 control characters and DEL move the cursor or show nothing.
    bool Shows(char32_t codePoint) { return codePoint >= 0x20 && !(codePoint >= 0x7F && codePoint <= 0x9F); }

    void AppendEscaped(std::string& out, std::string_view bytes)
    {
        constexpr char Hex[] = "0123456789ABCDEF";
        for (const char c : bytes) {
            const auto value = static_cast<unsigned char>(c);
            out += "\\x";
            out += Hex[value >> 4];
            out += Hex[value & 0x0F];
        }
    }

    // Appends the printable form of at most `characters` characters of the text; returns the bytes
    // it took.
    std::size_t AppendPrintable(std::string& out, std::string_view text, std::size_t characters)
    {
        std::size_t pos = 0;
        for (std::size_t count = 0; pos < text.size() && count < characters; ++count) {
            const Character c = DecodeCharacter(text.substr(pos));
            const std::size_t length = c.Length == 0 ? 1 : c.Length;
            if (c.Length != 0 && Shows(c.CodePoint))
                out += text.substr(pos, length);
            else
                AppendEscaped(out, text.substr(pos, length));
            pos += length;
        }
        return pos;
    }

} // namespace

std::string Printable(std::string_view text)
{
    std::string out;
    AppendPrintable(out, text, text.size());
    return out;
}

std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    if (AppendPrintable(out, text, QuotedCharacters) == text.size())
        return out + "\"";
    return out + "...\" (" + std::to_string(text.size()) + " bytes)";
}

std::size_t CharacterLength(std::string_view text)
{
    const std::size_t length = DecodeCharacter(text).Length;
    return length == 0 ? 1 : length;
}

} // namespace notation
