// The seasons table read into past seasons.
#include "season/season_files.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include "base/input_file.h"
#include "league/league_data.h"
#include "league/player_hash.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/season_line_import.h"
#include "season/stat_file_layouts.h"

namespace {

constexpr int SEASONS_PROGRESS_STEPS = 35;

// Lines in an open file (a last line without its end counts), read back to
// the start afterwards.
int Count_Open_File_Lines(FILE* pFile)
{
    int nLines = 0;
    char cLast = '\n';
    static char Buffer[65536];
    size_t n = 0;
    while ((n = std::fread(Buffer, 1, sizeof(Buffer), pFile)) > 0) {
        for (size_t i = 0; i < n; ++i)
            nLines += Buffer[i] == '\n';
        cLast = Buffer[n - 1];
    }
    if (cLast != '\n')
        ++nLines;
    std::rewind(pFile);
    return nLines;
}

}  // namespace

std::string Over_Long_Line_Problem(FILE* pFile, int nLimit)
{
    if (pFile == nullptr || nLimit < 1)
        return "";
    std::rewind(pFile);
    // Counted as the line reader counts: a CR that ends the line (before its
    // LF, or at the end of the file) is no character of it.
    const long nKept = nLimit - 1;
    long nLength = 0;
    int nLine = 1;
    bool bCr = false;
    std::string Problem;
    auto Line_End = [&]() {
        const long n = nLength - (bCr ? 1 : 0);
        if (n > nKept && Problem.empty())
            Problem = "line " + std::to_string(nLine) + " holds " + std::to_string(n) + " characters, more than the " +
                      std::to_string(nKept) + " a line may hold";
        nLength = 0;
        bCr = false;
        ++nLine;
    };
    static char Buffer[65536];
    size_t n = 0;
    while (Problem.empty() && (n = std::fread(Buffer, 1, sizeof(Buffer), pFile)) > 0) {
        for (size_t i = 0; i < n && Problem.empty(); ++i) {
            if (Buffer[i] == '\n') {
                Line_End();
                continue;
            }
            ++nLength;
            bCr = Buffer[i] == '\r';
        }
    }
    if (Problem.empty() && nLength > 0)
        Line_End();
    std::rewind(pFile);
    return Problem;
}

void Read_Seasons_File(int nFlag, std::string* pProblem)
{
    // Opened before anything else, so a missing file gives one box only.
    FILE* pFile = Open_Input_File(SEASONS_FILE_NAME);
    if (pFile == nullptr && pProblem != nullptr)
        *pProblem = Input_Open_Problem(SEASONS_FILE_NAME, errno);
    if (pFile == nullptr) {
        char szText[512];
        std::snprintf(szText, sizeof(szText),
                      "Unable to open %s. Please read the Help Files for a complete list of required files for the "
                      "'Import Stats' feature.",
                      SEASONS_FILE_NAME);
        Show_Message_Box(szText, "Read Error", BOX_OK);
        Step_Progress_Window(SEASONS_PROGRESS_STEPS);
        return;
    }
    // A build reads only a whole table: a damaged one would leave most of
    // the league without its past.
    std::string Why;
    if (pProblem != nullptr && Check_Input_Table(pFile, SEASONS_CSV_HEADER, 3, Why))
        Why = Over_Long_Line_Problem(pFile, STAT_TABLE_LINE_SIZE);
    if (pProblem != nullptr && !Why.empty()) {
        std::fclose(pFile);
        *pProblem = "\"" + files::Resolve_Path(SEASONS_FILE_NAME) + "\": " + Why;
        Step_Progress_Window(SEASONS_PROGRESS_STEPS);
        return;
    }
    const int nLines = Count_Open_File_Lines(pFile);
    const int nPerStep = nLines / SEASONS_PROGRESS_STEPS > 1 ? nLines / SEASONS_PROGRESS_STEPS : 1;
    const int nSavedFlag = Get_Universe_Word(REPLAY_MODE_WORD);
    Set_Universe_Word(REPLAY_MODE_WORD, nFlag);
    Reset_Season_Line_Import();
    Build_Player_Name_Hash();
    Build_Corvel_ID_Hash();
    Build_Player_ID_Hash();

    char szHeader[2048];
    int bEnd = Read_Input_Line(SEASONS_FILE_NAME, szHeader, pFile);
    int nRead = 0;
    int nSteps = 0;
    while (!bEnd) {
        bEnd = Read_Season_Line(SEASONS_FILE_NAME, pFile, nFlag);
        if (++nRead % nPerStep == 0 && nSteps < SEASONS_PROGRESS_STEPS) {
            Step_Progress_Window(1);
            ++nSteps;
        }
    }
    std::fclose(pFile);
    Step_Progress_Window(SEASONS_PROGRESS_STEPS - nSteps);
    Set_Universe_Word(REPLAY_MODE_WORD, nSavedFlag);
    // The memories end with the file: nothing of it leaks into the next.
    Reset_Season_Line_Import();
}
