// Text utilities: bounded copies on over-long input, the CSV splitter, the
// line reader, line writers, number and money texts, words and names.

#include <climits>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "league/preferences.h"
#include "base/text_utils.h"
#include "league/league_text.h"
#include "platform/resources.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

constexpr char GUARD = '\x5A';
constexpr int GUARD_BYTES = 8;

// A buffer of nSize bytes followed by guard bytes that must never change.
struct GUARDED {
    char Bytes[TEXT_BUFFER_SIZE + GUARD_BYTES];
    int nSize;
    explicit GUARDED(int n, char cFill = '#') : nSize(n)
    {
        memset(Bytes, cFill, sizeof(Bytes));
        memset(Bytes + n, GUARD, GUARD_BYTES);
    }
    bool Guard_Intact() const
    {
        for (int i = 0; i < GUARD_BYTES; i++)
            if (Bytes[nSize + i] != GUARD)
                return false;
        return true;
    }
};

// A read-only stream of exactly these bytes.
FILE* Stream_Of(const std::string& Bytes)
{
    FILE* pFile = tmpfile();
    fwrite(Bytes.data(), 1, Bytes.size(), pFile);
    rewind(pFile);
    return pFile;
}

template <typename F> std::string Text_Of(F Fill)
{
    char szBuffer[TEXT_BUFFER_SIZE];
    memset(szBuffer, '#', sizeof(szBuffer));
    Fill(szBuffer);
    return szBuffer;
}

// Fill(n, buffer) gives each text of the table.
template <typename F> void Expect_Texts(F Fill, std::initializer_list<std::pair<int, const char*>> Cases)
{
    for (const auto& Case : Cases) {
        const int n = Case.first;
        EXPECT_EQ(Text_Of([&](char* s) { Fill(n, s); }), Case.second) << n;
    }
}

// The same for a text function of (value, buffer, size), given the whole
// buffer's size.
void Expect_Texts(void (*Fill)(int, char*, size_t), std::initializer_list<std::pair<int, const char*>> Cases)
{
    Expect_Texts([Fill](int n, char* s) { Fill(n, s, TEXT_BUFFER_SIZE); }, Cases);
}

}  // namespace

class TextUtils : public LeagueTest {};

TEST_F(TextUtils, SafeCopyCutsTerminatesAndZeroFills)
{
    GUARDED Small(5);
    EXPECT_EQ(safe_strncpy(Small.Bytes, "0123456789", Small.nSize), -1);
    EXPECT_STREQ(Small.Bytes, "0123");
    EXPECT_TRUE(Small.Guard_Intact());
    // The rest of a fixed field is zero, not left-over bytes.
    GUARDED Field(12, 'x');
    EXPECT_EQ(safe_strncpy(Field.Bytes, "ab", Field.nSize), 2);
    EXPECT_EQ(std::string(Field.Bytes, 12), std::string("ab") + std::string(10, '\0'));
    EXPECT_TRUE(Field.Guard_Intact());
    GUARDED None(0);
    EXPECT_EQ(safe_strncpy(None.Bytes, "abc", 0), -1);
    EXPECT_TRUE(None.Guard_Intact());
    EXPECT_EQ(Errors_Reported(), 0);

    EXPECT_EQ(safe_strncpy(nullptr, "abc", 10), 0);
    EXPECT_TRUE(Last_Error_Contains("Null pointer in safe_strncpy(0x00000000,"));
    // The append reports a null pointer with the very same text.
    char szText[8] = "ab";
    EXPECT_EQ(safe_strncat(szText, nullptr, 8), 0);
    EXPECT_TRUE(Last_Error_Contains("Null pointer in safe_strncpy("));
    EXPECT_TRUE(Last_Error_Contains(",0x00000000,8)"));
    EXPECT_STREQ(szText, "ab");
}

TEST_F(TextUtils, SafeAppendAndFormattingStayInsideTheBuffer)
{
    GUARDED Full(6);
    strcpy(Full.Bytes, "abc");
    EXPECT_EQ(safe_strncat(Full.Bytes, "defgh", Full.nSize), 5);
    EXPECT_STREQ(Full.Bytes, "abcde");
    EXPECT_TRUE(Full.Guard_Intact());
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Buffer filled in safe_strncat.  Str len 5"));
    // Size 4 is taken for a pointer's size: the marker fills exactly 4 bytes.
    GUARDED Four(4);
    strcpy(Four.Bytes, "a");
    EXPECT_EQ(safe_strncat(Four.Bytes, "bcdef", Four.nSize), 4);
    EXPECT_STREQ(Four.Bytes, "F**");
    EXPECT_TRUE(Four.Guard_Intact());
    for (int nSize = 1; nSize < 4; nSize++) {
        GUARDED Tiny(nSize);
        Tiny.Bytes[0] = '\0';
        EXPECT_EQ(safe_strncat(Tiny.Bytes, "wxyz", nSize), nSize - 1);
        EXPECT_EQ(strlen(Tiny.Bytes), static_cast<size_t>(nSize - 1));
        EXPECT_TRUE(Tiny.Guard_Intact()) << "size " << nSize;
    }
    // A destination without a terminator inside its size is cut, not overrun.
    GUARDED Unterminated(8, 'q');
    EXPECT_EQ(safe_strncat(Unterminated.Bytes, "abc", Unterminated.nSize), 7);
    EXPECT_EQ(Unterminated.Bytes[7], '\0');
    EXPECT_TRUE(Unterminated.Guard_Intact());

    GUARDED Cut(6);
    EXPECT_EQ(Format_Text_Bounded(Cut.Bytes, Cut.nSize, "%s-%d", "abcdefgh", 7), 5);
    EXPECT_STREQ(Cut.Bytes, "abcde");
    GUARDED NoEnd(6, 'z');
    EXPECT_EQ(Append_Formatted_Text(NoEnd.Bytes, NoEnd.nSize, "%d", 1), 0);
    EXPECT_EQ(NoEnd.Bytes[5], 'z');
    EXPECT_TRUE(Cut.Guard_Intact() && NoEnd.Guard_Intact());
}

TEST_F(TextUtils, TokensSplitAtEveryDelimiterAndAreCut)
{
    char szLine[TEXT_BUFFER_SIZE] = "a,,b";
    char szToken[TEXT_BUFFER_SIZE];
    auto Pop = [&](char cDelimiter = ',') {
        int nLast = Pop_Token_From_String(szToken, szLine, cDelimiter);
        return std::to_string(nLast) + szToken;
    };
    EXPECT_EQ(Pop(), "0a");
    EXPECT_STREQ(szLine, ",b");
    EXPECT_EQ(Pop(), "0");
    EXPECT_EQ(Pop(), "1b");
    EXPECT_EQ(Pop(), "1");

    static char szLong[3 * TEXT_BUFFER_SIZE];
    memset(szLong, 'k', sizeof(szLong));
    szLong[2 * TEXT_BUFFER_SIZE] = ',';
    strcpy(szLong + 2 * TEXT_BUFFER_SIZE + 1, "next");
    GUARDED Token(TEXT_BUFFER_SIZE);
    EXPECT_EQ(Pop_Token_From_String(Token.Bytes, Token.nSize, szLong, ','), 0);
    EXPECT_EQ(strlen(Token.Bytes), static_cast<size_t>(TEXT_BUFFER_SIZE - 1));
    EXPECT_TRUE(Token.Guard_Intact());
    EXPECT_STREQ(szLong, "next");
}

TEST_F(TextUtils, LineReaderLimitsWarnsOnceAndAcceptsCrLf)
{
    Reset_Line_Limit_Warning();
    FILE* pFile = Stream_Of("abcdefg\nabcd\r\nwxyz12\r\n\nlast");
    GUARDED Line(5);
    const char* szExpected[] = {"abcd", "abcd", "wxyz", "", "last", ""};
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(Read_Line_Limit("teams.csv", Line.Bytes, pFile, 5), i >= 4 ? 1 : 0) << i;
        EXPECT_STREQ(Line.Bytes, szExpected[i]) << i;
    }
    EXPECT_TRUE(Line.Guard_Intact());
    fclose(pFile);
    // The warning shows once per run.
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
    char szLine[TEXT_BUFFER_SIZE];
    EXPECT_EQ(Read_Line(szLine, nullptr), 1);

    pFile = Stream_Of(std::string(3 * TEXT_BUFFER_SIZE, 'm') + "\nshort\n");
    GUARDED Long(TEXT_BUFFER_SIZE);
    EXPECT_EQ(Read_Line(Long.Bytes, Long.nSize, pFile), 0);
    EXPECT_EQ(strlen(Long.Bytes), static_cast<size_t>(TEXT_BUFFER_SIZE - 1));
    EXPECT_TRUE(Long.Guard_Intact());
    EXPECT_EQ(Read_Line_2048(szLine, pFile), 0);
    EXPECT_STREQ(szLine, "short");
    fclose(pFile);
}

TEST_F(TextUtils, FilesAppendAndCount)
{
    SCRATCH_FOLDER Scratch("text_utils");
    ASSERT_TRUE(Scratch.Ready());
    const char* szPath = "lines.txt";
    EXPECT_EQ(Append_Line_To_File(szPath, nullptr), 0);
    EXPECT_EQ(Append_Line_To_File(szPath, "one"), 1);
    // Data text passed as an argument is never taken for a format.
    EXPECT_EQ(Append_Formatted_Line_To_File(szPath, "%d,%s", 7, "%s%n"), 1);
    EXPECT_EQ(Read_Text_File(szPath, "<missing>"), "one\n7,%s%n\n");
    EXPECT_EQ(Count_Lines_In_File(szPath), 3);
    EXPECT_EQ(Count_Lines_In_File("no_such_folder/no_such_file.txt"), 0);
}

TEST_F(TextUtils, MoneyAndNumberTexts)
{
    // Tenths truncate.
    Expect_Texts(Format_Money_Short, {{999, "$999K"}, {1000, "$1.0M"}, {1599, "$1.5M"}, {99999, "$99.9M"},
                                      {100000, "$100M"}, {1000000, "$1.00B"}, {INT_MIN, "-$2147.48B"}});
    char szText[32] = "-$2,000";
    EXPECT_EQ(Parse_Money_Text(szText), -2000);
    strcpy(szText, "$99,999,999,999");
    EXPECT_EQ(Parse_Money_Text(szText), INT_MAX);
    Expect_Texts(Format_Number_With_Commas, {{999, "999"}, {1000, "1,000"}, {INT_MIN, "-2,147,483,648"}});
    Expect_Texts(Format_Thousandths, {{5, ".005"}, {12345, "12.345"}, {-250, "-.250"}});
}

TEST_F(TextUtils, OrdinalsAndNumberWords)
{
    Expect_Texts([](int n, char* s) { Format_Ordinal(s, TEXT_BUFFER_SIZE, n); },
                 {{1, "1st"}, {11, "11th"}, {13, "13th"}, {22, "22nd"}, {111, "111th"}, {0, "0th"}});
    Expect_Texts([](int n, char* s) { Get_Cardinal_Words(s, TEXT_BUFFER_SIZE, n); },
                 {{0, "zero"}, {205, "two hundred and five"}, {1001000, "one million one thousand"},
                  {INT_MAX, "two billion one hundred and forty-seven million four hundred and eighty-three "
                            "thousand six hundred and forty-seven"},
                  {-1, "Cardinal error: -1"}});
    Expect_Texts([](int n, char* s) { Get_Ordinal_Words(s, TEXT_BUFFER_SIZE, n); },
                 {{1, "first"}, {21, "twenty-first"}, {100, "one hundredth"},
                  {999999, "nine hundred and ninety-nine thousand nine hundred and ninety-ninth"},
                  {0, "Ordinal error: 0"}, {1000000, "Ordinal error: 1000000"}});
}

TEST_F(TextUtils, StringTableAndNamesStayInTheirBuffers)
{
    GUARDED Small(3);
    EXPECT_EQ(Load_Resource_String(28, Small.Bytes, Small.nSize), 2);
    EXPECT_STREQ(Small.Bytes, "Qu");
    EXPECT_EQ(Load_Resource_String(9999, Small.Bytes, Small.nSize), 0);
    EXPECT_STREQ(Small.Bytes, "");
    EXPECT_TRUE(Small.Guard_Intact());
    EXPECT_STREQ(Get_Resource_String(-5), "");

    Expect_Texts(Get_Position_Name, {{15, "Any Position"}, {16, "<Error>"}, {-1, "<Error>"}});
    Expect_Texts(Get_Depth_Slot_Name, {{42, "Free Safety"}, {-1, ""}});
    Expect_Texts(Format_Day_Of_Year, {{0, "January 1"}, {364, "December 31"}, {365, "January 1"},
                                      {-1, "December 31"}});
    // A buffer sized for the longest name asked for is enough.
    GUARDED Rating(14);
    Get_Rating_Name(25, Rating.Bytes, Rating.nSize);
    EXPECT_STREQ(Rating.Bytes, "Punt Accuracy");
    EXPECT_TRUE(Rating.Guard_Intact());
    Expect_Texts(Get_Rating_Name, {{27, ""}, {-1, ""}});
}

TEST_F(TextUtils, WeekNamesFollowTheCalendar)
{
    // 17 regular weeks: rounds on weeks 17-20 (counted from 0). Two leagues
    // of four divisions with two wild cards: fields of 6.
    Set_Regular_Season_Weeks(17);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    Use_Franchises(32);
    for (int t = 0; t < 32; t++)
        League.Team[t].nTeamStat[0] = t / 4;
    League.Universe.nStat[WILD_CARD_TEAMS] = 2;
    Expect_Texts(Get_Week_Name, {{0, "Week 1"}, {16, "Week 17"}, {17, "Wild Card"}, {18, "Division Round"},
                                 {19, "Conference Championship"}, {20, "Super Bowl"}, {21, "Offseason"}});
    Expect_Texts(Get_Week_Name_Long, {{17, "Wild Card"}, {18, "Division"}, {19, "Conference"}, {20, "Super Bowl"}});
    EXPECT_FALSE(Is_Unplayed_Round_Week(17));
    // No wild cards: fields of 4 play no wild-card round. The short name
    // keeps the round's name; only the long one says nobody plays it.
    League.Universe.nStat[WILD_CARD_TEAMS] = 0;
    Expect_Texts(Get_Week_Name, {{16, "Week 17"}, {17, "Wild Card"}, {18, "Division Round"}});
    Expect_Texts(Get_Week_Name_Long, {{17, "Bye Week"}, {18, "Division"}});
    EXPECT_TRUE(Is_Unplayed_Round_Week(17));
    EXPECT_FALSE(Is_Unplayed_Round_Week(16));
    EXPECT_FALSE(Is_Unplayed_Round_Week(18));
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 17;
    EXPECT_TRUE(Is_Unplayed_Round_Week(-1));
    League.Universe.nStat[WILD_CARD_TEAMS] = 2;
    // The final between the leagues is played only with the rule that their
    // champions meet and two leagues in use; it keeps its names either way.
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);
    EXPECT_FALSE(Is_Unplayed_Round_Week(19));
    EXPECT_FALSE(Is_Unplayed_Round_Week(20));
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 0);
    EXPECT_TRUE(Is_Unplayed_Round_Week(20));
    EXPECT_FALSE(Is_Unplayed_Round_Week(19));
    Expect_Texts(Get_Week_Name, {{20, "Super Bowl"}});
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);
    for (int t = 16; t < 32; t++)
        League.Team[t].nTeamStat[0] = t / 4 - 4;
    EXPECT_TRUE(Is_Unplayed_Round_Week(20));
    // Fewer than two regular weeks: the playoffs still start on week 2.
    Set_Regular_Season_Weeks(0);
    Expect_Texts(Get_Week_Name, {{1, "Week 2"}, {2, "Wild Card"}});
}

TEST_F(TextUtils, TeamDisplayNamesOfEveryCode)
{
    Use_Franchises(2);
    Set_Team_String("Boston", 0, 1);
    Set_Team_String("Harbors", 0, 2);
    Errors_Reported();
    Set_User_Preference(PREF_DRAFT_ROUND, 20);
    Expect_Texts(Get_Team_Full_Name, {{0, "Boston Harbors"}, {5, ""}, {FREE_AGENT_TEAM, "Free Agent"},
                                      {40, "Twenty-first Round Draft Pick"}, {NO_TEAM, ""}, {-1, ""}});
    // ALL_TEAMS is -1 as a team byte.
    Expect_Texts(Get_Team_City, {{0, "Boston"}, {ALL_TEAMS, "NFL Average"}, {NO_TEAM, ""}, {37, ""}});
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TextUtils, CaseAndPaddingHelpers)
{
    char szText[TEXT_BUFFER_SIZE] = "Hello World";
    EXPECT_EQ(Find_Text_No_Case(szText, "WORLD"), szText + 6);
    EXPECT_EQ(Is_Same_Text_No_Case("Bears", "bEARS"), 1);
    EXPECT_EQ(Is_Same_Text_No_Case("Bears", "Bear"), 0);
    const char szUnterminated[3] = {'a', 'B', 'c'};
    EXPECT_EQ(Is_Same_Text_No_Case(szUnterminated, "Ab"), 0);       // stops at the first difference
    Swap_Texts(szText, sizeof(szText), nullptr, 0);
    EXPECT_STREQ(szText, "Hello World");

    strcpy(szText, "QB");
    Pad_Text_Left(szText, 5);
    EXPECT_STREQ(szText, "   QB");
    // Padding never runs past a text buffer.
    GUARDED Wide(TEXT_BUFFER_SIZE);
    strcpy(Wide.Bytes, "x");
    Pad_Text_Left(Wide.Bytes, Wide.nSize, 100000);
    EXPECT_EQ(strlen(Wide.Bytes), static_cast<size_t>(TEXT_BUFFER_SIZE - 1));
    EXPECT_EQ(Wide.Bytes[TEXT_BUFFER_SIZE - 2], 'x');
    EXPECT_TRUE(Wide.Guard_Intact());
}
