// Fuzz target of the script reader: any bytes as a script, read line by line
// as a run reads it, and each line split into words. Whatever the input, the
// reading ends (a NUL or an over-long line stops it, as it stops a run), no
// line it gives is longer than the limit or holds a line end or a NUL, and
// words split from a line never hold more characters than the line.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/script_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    FILE* pInput = ::fmemopen(const_cast<uint8_t*>(pData), nSize, "rb");
    if (pInput == nullptr) {
        if (nSize == 0)
            return 0;
        std::abort();
    }
    std::string Line;
    size_t nLines = 0;
    for (;;) {
        const SCRIPT_LINE_READ Read = Read_Script_Line(pInput, Line, nLines == 0);
        if (Read != SCRIPT_LINE_READ::LINE)
            break;
        if (++nLines > nSize + 1 || Line.size() > SCRIPT_LINE_LIMIT ||
            Line.find_first_of(std::string("\n\0", 2)) != std::string::npos)
            std::abort();
        std::vector<std::string> Words;
        std::string Problem;
        const bool bSplit = Split_Script_Line(Line, Words, Problem);
        size_t nChars = 0;
        for (const std::string& Word : Words)
            nChars += Word.size();
        if (nChars > Line.size() || (!bSplit && Problem.empty()) || (bSplit && !Problem.empty()))
            std::abort();
    }
    std::fclose(pInput);
    return 0;
}
