// Fuzz target of "CommandLine.txt": any bytes as the file of start-up words
// in the data folder. Whatever it holds, the flags read are only the known
// ones, and a file of no words sets none.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_input_file.h"
#include "platform/errors.h"
#include "shell/startup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    Write_Fuzz_File(COMMAND_LINE_FILE, pData, nSize);
    char szProgram[] = "kelvo";
    char* Argv[] = {szProgram, nullptr};
    std::vector<std::string> Notes;
    const unsigned nFlags = Read_Startup_Flags(1, Argv, &Notes);
    const unsigned nKnown = Parse_Startup_Flags("IS_NOT_RANDOM SHOW_SYSTEM_ERRORS DTXT_PBPDIAGRAM DTXT_PBPSELECTOR DTXT_AGG");
    if ((nFlags & ~nKnown) != 0)
        std::abort();
    if (nSize == 0 && nFlags != 0)
        std::abort();
    return 0;
}
