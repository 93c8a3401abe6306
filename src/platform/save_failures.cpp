// The count of failed saves a script checks after each line.

#include "platform/save_failures.h"

namespace {

int g_nFailedSaves = 0;
std::string g_LastFailure;
int g_nRefusedSteps = 0;
std::string g_LastRefusal;

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

void Note_Refused_Step(const std::string& Text)
{
    ++g_nRefusedSteps;
    g_LastRefusal = Text;
}

int Count_Refused_Steps()
{
    return g_nRefusedSteps;
}

std::string Last_Refused_Step_Text()
{
    return g_LastRefusal;
}
