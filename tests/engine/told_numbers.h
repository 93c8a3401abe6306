// Numbers as the game's sentences tell them, for the tests that read the
// play-by-play.
#pragma once

#include <cstddef>
#include <string>

// The last whole number in a text ("He's to the 35 ... 40 ... 45." gives 45),
// -1 when there is none.
inline int Last_Told_Number(const std::string& Text)
{
    const size_t nEnd = Text.find_last_of("0123456789");
    if (nEnd == std::string::npos)
        return -1;
    size_t nStart = nEnd;
    while (nStart > 0 && Text[nStart - 1] >= '0' && Text[nStart - 1] <= '9')
        --nStart;
    return std::stoi(Text.substr(nStart, nEnd - nStart + 1));
}
