#include "base/html_text.h"

void Append_Escaped_Html(std::string& Out, std::string_view Text)
{
    for (const char c : Text) {
        switch (c) {
        case '&': Out += "&amp;"; break;
        case '<': Out += "&lt;"; break;
        case '>': Out += "&gt;"; break;
        case '"': Out += "&quot;"; break;
        default: Out += c; break;
        }
    }
}

std::string Escape_Html(std::string_view Text)
{
    std::string Out;
    Out.reserve(Text.size());
    Append_Escaped_Html(Out, Text);
    return Out;
}

std::string Sanitise_File_Name(std::string_view Name)
{
    std::string Out;
    Out.reserve(Name.size() + 1);
    for (const char c : Name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127 || c == '/' || c == '\\' || c == '#' || c == '?' || c == '%')
            Out += '_';
        else
            Out += c;
    }
    if (Out.empty() || Out == "." || Out == "..")
        Out.insert(Out.begin(), '_');
    return Out;
}

std::string Html_Link(std::string_view Path)
{
    return Escape_Html(Path);
}

std::string Windows_1252_To_Utf8(std::string_view Text)
{
    // Code points of 0x80-0x9F; 0 where Windows-1252 has no character (kept
    // as the Latin-1 control of the same number).
    static const unsigned short HIGH[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    };
    std::string Out;
    Out.reserve(Text.size());
    for (const char c : Text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            Out += c;
            continue;
        }
        unsigned nCode = u;
        if (u < 0xA0 && HIGH[u - 0x80] != 0)
            nCode = HIGH[u - 0x80];
        if (nCode < 0x800) {
            Out += static_cast<char>(0xC0 | (nCode >> 6));
            Out += static_cast<char>(0x80 | (nCode & 0x3F));
        } else {
            Out += static_cast<char>(0xE0 | (nCode >> 12));
            Out += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
            Out += static_cast<char>(0x80 | (nCode & 0x3F));
        }
    }
    return Out;
}
