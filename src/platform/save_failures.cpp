// The count of failed saves a script checks after each line.

#include "platform/save_failures.h"

namespace {

int g_nFailedSaves = 0;
std::string g_LastFailure;

}  // namespace

void Note_Failed_Save(const std::string& Text)
{
    ++g_nFailedSaves;
    g_LastFailure = Text;
}

int Count_Failed_Saves()
{
    return g_nFailedSaves;
}

std::string Last_Failed_Save_Text()
{
    return g_LastFailure;
}
