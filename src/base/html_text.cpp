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
        // A byte Windows-1252 has no character for has no UTF-8 spelling either.
        if (u < 32 || u == 127 || !Is_Windows_1252_Char(u) || c == '/' || c == '\\' || c == '#' || c == '?' || c == '%')
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

void Strip_Html_Tags(char* szText)
{
    if (szText == nullptr)
        return;
    size_t nOut = 0;
    bool bInTag = false;
    for (const char* p = szText; *p != '\0'; ++p) {
        if (bInTag) {
            bInTag = *p != '>';
            continue;
        }
        if (*p == '<') {
            bInTag = true;
            continue;
        }
        if (nOut < STRIP_HTML_KEEP)
            szText[nOut++] = *p;
    }
    szText[nOut] = '\0';
}
