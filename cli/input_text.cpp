#include "input_text.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace tempidex {
namespace {

void AppendUtf8(std::string &out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

constexpr char32_t Replacement = 0xFFFD;

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves unassigned keep the control
// characters of the same number, as Windows itself converts them. From 0xA0 on it is Latin-1.
constexpr std::array<char16_t, 32> Windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

ByteOrderMark ByteOrderMarkOf(std::string_view start) {
    if (start.starts_with("\xEF\xBB\xBF"))
        return {TextEncoding::Utf8, 3};
    if (start.starts_with("\xFF\xFE"))
        return {TextEncoding::Utf16LittleEndian, 2};
    if (start.starts_with("\xFE\xFF"))
        return {TextEncoding::Utf16BigEndian, 2};
    // UTF-16 without a mark, as some Windows tools write it: its first two characters below
    // U+0100, a NUL beside each. No text in UTF-8 or Windows-1252 has a NUL among its first four
    // bytes.
    if (start.size() >= 4) {
        const auto nul = [&start](std::size_t i) { return start[i] == '\0'; };
        if (!nul(0) && nul(1) && !nul(2) && nul(3))
            return {TextEncoding::Utf16LittleEndian, 0};
        if (nul(0) && !nul(1) && nul(2) && !nul(3))
            return {TextEncoding::Utf16BigEndian, 0};
    }
    return {};
}

void Utf16Decoder::decode(std::string_view bytes, std::string &out) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        if (m_pendingByte < 0) {
            m_pendingByte = byte;
            continue;
        }
        const auto first = static_cast<unsigned>(m_pendingByte);
        m_pendingByte = -1;
        const auto unit =
            static_cast<char16_t>(m_bigEndian ? first << 8 | byte : byte << 8 | first);
        if (m_highSurrogate != 0) {
            const char16_t high = m_highSurrogate;
            m_highSurrogate = 0;
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((char32_t{high} - 0xD800) << 10) + (unit - 0xDC00));
                continue;
            }
            AppendUtf8(out, Replacement);
        }
        if (unit >= 0xD800 && unit <= 0xDBFF)
            m_highSurrogate = unit;
        else
            AppendUtf8(out, unit >= 0xDC00 && unit <= 0xDFFF ? Replacement : unit);
    }
}

void Utf16Decoder::finish(std::string &out) {
    if (m_highSurrogate != 0 || m_pendingByte >= 0)
        AppendUtf8(out, Replacement);
    m_highSurrogate = 0;
    m_pendingByte = -1;
}

bool IsValidUtf8(std::string_view text) {
    const auto *at = reinterpret_cast<const unsigned char *>(text.data());
    const auto *end = at + text.size();
    while (at < end) {
        // Eight bytes of ASCII at a time: nearly every line is nothing else.
        std::uint64_t eight = 0;
        if (end - at >= 8 && (std::memcpy(&eight, at, 8), (eight & 0x8080808080808080u) == 0)) {
            at += 8;
            continue;
        }
        if (*at < 0x80) {
            ++at;
            continue;
        }
        // The shortest form only, no surrogates, nothing past U+10FFFF.
        std::size_t length = 0;
        char32_t least = 0;
        if (*at >= 0xC2 && *at <= 0xDF)
            length = 2, least = 0x80;
        else if (*at >= 0xE0 && *at <= 0xEF)
            length = 3, least = 0x800;
        else if (*at >= 0xF0 && *at <= 0xF4)
            length = 4, least = 0x10000;
        else
            return false;
        if (static_cast<std::size_t>(end - at) < length)
            return false;
        char32_t c = *at & (0x7Fu >> length);
        for (std::size_t i = 1; i < length; ++i) {
            if ((at[i] & 0xC0) != 0x80)
                return false;
            c = c << 6 | (at[i] & 0x3Fu);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        at += length;
    }
    return true;
}

std::string_view AsUtf8(std::string_view line, std::string &scratch) {
    if (IsValidUtf8(line))
        return line;
    scratch.clear();
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        AppendUtf8(scratch, byte >= 0x80 && byte < 0xA0 ? Windows1252High[byte - 0x80] : byte);
    }
    return scratch;
}

} // namespace tempidex
