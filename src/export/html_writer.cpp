#include "export/html_writer.h"

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/html_text.h"
#include "base/text_utils.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "platform/files.h"

namespace {

int Append_Bytes(HTML_WRITER* pWriter, const char* pText, size_t nLength)
{
    if (!pWriter || !pWriter->pBuffer || nLength > static_cast<size_t>(pWriter->nCapacity))
        return 0;
    if (static_cast<size_t>(pWriter->nCapacity - pWriter->nFill) < nLength && !Flush_Html_Writer(pWriter))
        return 0;
    std::memcpy(pWriter->pBuffer + pWriter->nFill, pText, nLength);
    pWriter->nFill += static_cast<int>(nLength);
    return 1;
}

}  // namespace

int Open_Html_Writer(HTML_WRITER* pWriter)
{
    if (!pWriter)
        return 0;
    pWriter->nCapacity = HTML_WRITER_CAPACITY;
    pWriter->pBuffer = static_cast<char*>(std::calloc(HTML_WRITER_CAPACITY, 1));
    if (!pWriter->pBuffer)
        return 0;
    // The page is written under a temporary and takes its name at the close,
    // so a failure never leaves part of it there, nor writes through a link.
    pWriter->nError = 0;
    pWriter->pFile = files::Create_Temporary_File(pWriter->Path.c_str(), pWriter->Temporary);
    if (!pWriter->pFile) {
        std::free(pWriter->pBuffer);
        pWriter->pBuffer = nullptr;
        return 0;
    }
    pWriter->nFill = 0;
    return 1;
}

int Flush_Html_Writer(HTML_WRITER* pWriter)
{
    if (!pWriter || !pWriter->pFile || !pWriter->pBuffer)
        return 0;
    errno = 0;
    const size_t nWritten = std::fwrite(pWriter->pBuffer, 1, static_cast<size_t>(pWriter->nFill), pWriter->pFile);
    pWriter->nLastFlush = static_cast<int>(nWritten);
    const bool bWhole = nWritten == static_cast<size_t>(pWriter->nFill);
    if (!bWhole && pWriter->nError == 0)
        pWriter->nError = errno != 0 ? errno : EIO;
    std::memset(pWriter->pBuffer, 0, static_cast<size_t>(pWriter->nCapacity));
    pWriter->nFill = 0;
    return bWhole ? 1 : 0;
}

int Close_Html_Writer(HTML_WRITER* pWriter)
{
    if (!pWriter)
        return 0;
    int nResult = 0;
    if (pWriter->pFile) {
        Flush_Html_Writer(pWriter);
        const bool bWritten = pWriter->nError == 0;
        errno = pWriter->nError;
        nResult = files::Finish_Temporary_File(pWriter->pFile, pWriter->Temporary, pWriter->Path.c_str(), bWritten,
                                               false) == files::REPLACE_DONE
                      ? 1
                      : 0;
    }
    pWriter->Temporary.clear();
    std::free(pWriter->pBuffer);
    pWriter->pFile = nullptr;
    pWriter->pBuffer = nullptr;
    pWriter->nCapacity = 0;
    pWriter->nFill = 0;
    pWriter->nLastFlush = 0;
    return nResult;
}

int Append_Html_Text(HTML_WRITER* pWriter, const char* szText)
{
    if (!szText)
        return 0;
    return Append_Bytes(pWriter, szText, std::strlen(szText));
}

int Append_Html_Line(HTML_WRITER* pWriter, const char* szText)
{
    if (!szText)
        return 0;
    std::string Line = szText;
    Line += '\n';
    return Append_Bytes(pWriter, Line.data(), Line.size());
}

int Append_Html_Format(HTML_WRITER* pWriter, const char* szFormat, ...)
{
    if (!pWriter || !pWriter->pBuffer || !szFormat)
        return 0;
    va_list Args;
    va_start(Args, szFormat);
    va_list Again;
    va_copy(Again, Args);
    size_t nRoom = static_cast<size_t>(pWriter->nCapacity - pWriter->nFill);
    int n = std::vsnprintf(pWriter->pBuffer + pWriter->nFill, nRoom, szFormat, Args);
    va_end(Args);
    if (n >= 0 && static_cast<size_t>(n) < nRoom) {
        pWriter->nFill += n;
        va_end(Again);
        return 1;
    }
    // What vsnprintf cut into the room is not part of the page.
    std::memset(pWriter->pBuffer + pWriter->nFill, 0, nRoom);
    if (!Flush_Html_Writer(pWriter)) {
        va_end(Again);
        return 0;
    }
    nRoom = static_cast<size_t>(pWriter->nCapacity);
    n = std::vsnprintf(pWriter->pBuffer, nRoom, szFormat, Again);
    va_end(Again);
    if (n < 0 || static_cast<size_t>(n) >= nRoom) {
        std::memset(pWriter->pBuffer, 0, nRoom);
        return 0;
    }
    pWriter->nFill = n;
    return 1;
}

int Set_Html_Text(HTML_WRITER* pWriter, const char* szText)
{
    if (!pWriter || !pWriter->pBuffer || !szText)
        return 0;
    const size_t nLength = std::strlen(szText);
    if (nLength > static_cast<size_t>(pWriter->nCapacity))
        return 0;
    std::memset(pWriter->pBuffer, 0, static_cast<size_t>(pWriter->nCapacity));
    std::memcpy(pWriter->pBuffer, szText, nLength);
    pWriter->nFill = static_cast<int>(nLength);
    return 1;
}

int Write_Html_Player_Link(HTML_WRITER* pWriter, int nTeam, int nSlot, int nFormat)
{
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return Append_Html_Line(pWriter, "<a href=\"\">INVALID-PLAYER</a>");
    if (nFormat != 1 && nFormat != 2)
        return Append_Html_Line(pWriter, "<a href=\"\">UNKNOWN-FORMAT</a>");
    char szFirst[TEXT_BUFFER_SIZE];
    char szLast[TEXT_BUFFER_SIZE];
    Get_Player_First_Name(nTeam, nSlot, szFirst);
    Get_Player_Last_Name(nTeam, nSlot, szLast);
    const int nId = nSlot == 255 ? -1 : Get_Player_ID(nTeam, nSlot);
    std::string Link = "<a href=\"ID/" + std::to_string(nId) + ".html\">";
    if (nFormat == 1)
        Link += Escape_Html(szFirst) + " " + Escape_Html(szLast);
    else
        Link += Escape_Html(szLast) + ", " + Escape_Html(szFirst);
    Link += "</a>";
    return Append_Html_Text(pWriter, Link.c_str());
}

int Write_League_Names_File()
{
    // Appending never makes the folder: without it nothing is written.
    if (!files::Folder_Exists("Vazarudu Stats"))
        return 0;
    // The old lines and the eleven new ones take the name whole, so that a
    // full disk leaves the file as it was. A link at the name is replaced,
    // never read or written through.
    std::string Text;
    if (!files::Is_Symbolic_Link(LEAGUE_NAMES_FILE)) {
        std::vector<unsigned char> Old;
        if (files::Read_Whole_File(LEAGUE_NAMES_FILE, Old))
            Text.assign(Old.begin(), Old.end());
        else if (errno != ENOENT)
            return -1;
    }
    Text += std::to_string(Get_Universe_Stat(FIRST_SEASON_YEAR)) + "\n";
    char szName[TEXT_BUFFER_SIZE];
    for (int nLeague = 0; nLeague < 2; ++nLeague) {
        Get_League_Name(nLeague, szName);
        Text += std::string(szName) + "\n";
        for (int d = 0; d < 4; ++d) {
            Get_Division_Name(nLeague * 4 + d, szName);
            Text += std::string(szName) + "\n";
        }
    }
    return files::Write_Whole_File(LEAGUE_NAMES_FILE, Text.data(), Text.size()) ? 1 : -1;
}
