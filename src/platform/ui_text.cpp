#include "platform/ui_text.h"

#include <cctype>
#include <cstdint>

namespace {

// Unicode of the bytes 0x80-0x9F; 0 where Windows-1252 has no character.
constexpr uint16_t HIGH_CONTROLS[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,   // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,        // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,   // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,   // 98-9F
};
static_assert(sizeof(HIGH_CONTROLS) / sizeof(HIGH_CONTROLS[0]) == 32);

uint32_t Code_Point(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0)
        return HIGH_CONTROLS[c - 0x80];
    return c;
}

void Append_Utf8(std::string& Out, uint32_t nCode)
{
    if (nCode < 0x80) {
        Out += static_cast<char>(nCode);
    } else if (nCode < 0x800) {
        Out += static_cast<char>(0xC0 | (nCode >> 6));
        Out += static_cast<char>(0x80 | (nCode & 0x3F));
    } else {
        Out += static_cast<char>(0xE0 | (nCode >> 12));
        Out += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
        Out += static_cast<char>(0x80 | (nCode & 0x3F));
    }
}

// The byte of a code point; -1 when Windows-1252 has none.
int Byte_Of(uint32_t nCode)
{
    if (nCode < 0x80 || (nCode >= 0xA0 && nCode <= 0xFF))
        return static_cast<int>(nCode);
    for (int i = 0; i < 32; ++i)
        if (HIGH_CONTROLS[i] != 0 && HIGH_CONTROLS[i] == nCode)
            return 0x80 + i;
    return -1;
}

// Decodes one UTF-8 character at Text[i]; false when malformed.
bool Decode(const std::string& Text, size_t& i, uint32_t& nCode)
{
    const unsigned char c = static_cast<unsigned char>(Text[i]);
    int nMore = 0;
    if (c < 0x80) {
        nCode = c;
    } else if ((c & 0xE0) == 0xC0) {
        nCode = c & 0x1F;
        nMore = 1;
    } else if ((c & 0xF0) == 0xE0) {
        nCode = c & 0x0F;
        nMore = 2;
    } else if ((c & 0xF8) == 0xF0) {
        nCode = c & 0x07;
        nMore = 3;
    } else {
        return false;
    }
    ++i;
    for (int n = 0; n < nMore; ++n, ++i) {
        if (i >= Text.size() || (static_cast<unsigned char>(Text[i]) & 0xC0) != 0x80)
            return false;
        nCode = (nCode << 6) | (static_cast<unsigned char>(Text[i]) & 0x3F);
    }
    // Overlong forms and surrogates are malformed.
    static constexpr uint32_t LEAST[4] = {0, 0x80, 0x800, 0x10000};
    return nCode >= LEAST[nMore] && nCode <= 0x10FFFF && !(nCode >= 0xD800 && nCode <= 0xDFFF);
}

}  // namespace

bool Is_Windows_1252_Char(unsigned char c)
{
    if (c < 0x20)
        return c == '\t' || c == '\r' || c == '\n';
    if (c == 0x7F)
        return false;
    return Code_Point(c) != 0;
}

bool Is_Windows_1252_Text(const std::string& Text)
{
    for (char c : Text)
        if (!Is_Windows_1252_Char(static_cast<unsigned char>(c)))
            return false;
    return true;
}

std::string Windows_1252_To_Utf8(const std::string& Text)
{
    std::string Out;
    Out.reserve(Text.size());
    for (char c : Text) {
        const uint32_t nCode = Code_Point(static_cast<unsigned char>(c));
        Append_Utf8(Out, nCode != 0 || c == '\0' ? nCode : 0xFFFD);
    }
    return Out;
}

bool Utf8_To_Windows_1252(const std::string& Utf8, std::string& Out)
{
    Out.clear();
    for (size_t i = 0; i < Utf8.size();) {
        uint32_t nCode = 0;
        const int nByte = Decode(Utf8, i, nCode) ? Byte_Of(nCode) : -1;
        if (nByte < 0 || !Is_Windows_1252_Char(static_cast<unsigned char>(nByte))) {
            Out.clear();
            return false;
        }
        Out += static_cast<char>(nByte);
    }
    return true;
}

std::string Utf8_To_Windows_1252_Lossy(const std::string& Utf8)
{
    std::string Out;
    for (size_t i = 0; i < Utf8.size();) {
        uint32_t nCode = 0;
        const size_t nStart = i;
        if (!Decode(Utf8, i, nCode)) {
            i = nStart + 1;
            continue;
        }
        const int nByte = Byte_Of(nCode);
        if (nByte >= 0 && Is_Windows_1252_Char(static_cast<unsigned char>(nByte)))
            Out += static_cast<char>(nByte);
    }
    return Out;
}

std::string Strip_Mnemonic(const std::string& Text, int* pIndex)
{
    std::string Out;
    int nIndex = -1;
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] != '&') {
            Out += Text[i];
            continue;
        }
        if (i + 1 < Text.size() && Text[i + 1] == '&') {
            Out += '&';
            ++i;
        } else if (i + 1 < Text.size() && nIndex < 0) {
            nIndex = static_cast<int>(Out.size());
        }
    }
    if (pIndex != nullptr)
        *pIndex = nIndex;
    return Out;
}

char Mnemonic_Char(const std::string& Text)
{
    int nIndex = -1;
    const std::string Plain = Strip_Mnemonic(Text, &nIndex);
    return nIndex >= 0 ? static_cast<char>(std::tolower(static_cast<unsigned char>(Plain[nIndex]))) : 0;
}
