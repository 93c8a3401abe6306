#include "platform/gtk/gtk_text.h"

#include <cctype>
#include <algorithm>
#include <cstdint>

namespace {

// Code points of the bytes 0x80-0x9F; the rest of 1252 is Latin-1.
constexpr uint16_t HIGH_CONTROLS[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,   // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,   // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,   // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,   // 98-9F
};

void Append_Utf8(std::string& Out, uint32_t c)
{
    if (c < 0x80) {
        Out += static_cast<char>(c);
    } else if (c < 0x800) {
        Out += static_cast<char>(0xC0 | (c >> 6));
        Out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        Out += static_cast<char>(0xE0 | (c >> 12));
        Out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The 1252 byte of a code point; -1 when there is none.
int Byte_Of(uint32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (HIGH_CONTROLS[i] == c)
            return 0x80 + i;
    return -1;
}

}  // namespace

namespace gtk_text {

std::string To_Utf8(const std::string& Text)
{
    std::string Out;
    Out.reserve(Text.size() + Text.size() / 8);
    for (unsigned char b : Text) {
        if (b >= 0x80 && b <= 0x9F)
            Append_Utf8(Out, HIGH_CONTROLS[b - 0x80]);
        else
            Append_Utf8(Out, b);
    }
    return Out;
}

bool From_Utf8(const std::string& Utf8, std::string& Out)
{
    std::string Result;
    Result.reserve(Utf8.size());
    size_t i = 0;
    while (i < Utf8.size()) {
        const unsigned char b = static_cast<unsigned char>(Utf8[i]);
        uint32_t c = 0;
        size_t nMore = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            nMore = 1;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            nMore = 2;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            nMore = 3;
        } else {
            return false;
        }
        if (i + nMore >= Utf8.size())
            return false;   // cut short
        for (size_t k = 1; k <= nMore; ++k) {
            const unsigned char n = static_cast<unsigned char>(Utf8[i + k]);
            if ((n & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (n & 0x3F);
        }
        // Overlong forms are not valid UTF-8.
        if ((nMore == 1 && c < 0x80) || (nMore == 2 && c < 0x800) || (nMore == 3 && c < 0x10000))
            return false;
        const int nByte = Byte_Of(c);
        if (nByte < 0)
            return false;
        Result += static_cast<char>(nByte);
        i += nMore + 1;
    }
    Out = Result;
    return true;
}

std::string Keep_1252(const std::string& Utf8)
{
    std::string Kept;
    size_t i = 0;
    while (i < Utf8.size()) {
        // One character (or one stray byte) at a time.
        size_t n = 1;
        const unsigned char b = static_cast<unsigned char>(Utf8[i]);
        if ((b & 0xE0) == 0xC0)
            n = 2;
        else if ((b & 0xF0) == 0xE0)
            n = 3;
        else if ((b & 0xF8) == 0xF0)
            n = 4;
        n = std::min(n, Utf8.size() - i);
        std::string One;
        if (From_Utf8(Utf8.substr(i, n), One))
            Kept += One;
        else
            n = 1;   // not a whole character: skip the byte and look again
        i += n;
    }
    return Kept;
}

std::string Mnemonic_Label(const std::string& Text)
{
    std::string Marked;
    for (size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c == '&') {
            if (i + 1 < Text.size() && Text[i + 1] == '&') {
                Marked += '&';
                ++i;
            } else if (i + 1 < Text.size()) {
                Marked += '_';
            }
        } else if (c == '_') {
            Marked += "__";
        } else {
            Marked += c;
        }
    }
    return To_Utf8(Marked);
}

std::string Plain_Label(const std::string& Text)
{
    std::string Plain;
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '&') {
            if (i + 1 < Text.size() && Text[i + 1] == '&') {
                Plain += '&';
                ++i;
            }
            continue;
        }
        Plain += Text[i];
    }
    return To_Utf8(Plain);
}

char Mnemonic_Letter(const std::string& Text)
{
    for (size_t i = 0; i + 1 < Text.size(); ++i) {
        if (Text[i] != '&')
            continue;
        if (Text[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::tolower(static_cast<unsigned char>(Text[i + 1])));
    }
    return 0;
}

}  // namespace gtk_text
