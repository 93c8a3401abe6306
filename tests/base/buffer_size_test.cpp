// Every text written into a caller's buffer stays inside the size it is
// given: the sized forms cut and terminate there and leave the bytes beyond
// alone, and the forms without a size take arrays only, never a bare pointer.

#include <cstdio>
#include <cstring>
#include <string>

#include "base/text_utils.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "test_support.h"

namespace {

// The forms without a size compile for an array and not for a pointer.
template <typename B> concept Puts_Text = requires(B b) { Put_Text(b, std::string()); };
template <typename B> concept Pops_Token = requires(B b, char* szLine) { Pop_Token_From_String(b, szLine, ','); };
template <typename B> concept Names_Team = requires(B b) { Get_Team_Full_Name(0, b); };
template <typename B> concept Formats_Record = requires(B b) { Format_Team_Record(b, 0); };
static_assert(Puts_Text<char (&)[8]> && !Puts_Text<char*>);
static_assert(Pops_Token<char (&)[8]> && !Pops_Token<char*>);
static_assert(Names_Team<char (&)[8]> && !Names_Team<char*>);
static_assert(Formats_Record<char (&)[8]> && !Formats_Record<char*>);

// Sixteen bytes of '#': the text is given the first nSize of them.
struct FILLED {
    char Bytes[16];
    FILLED() { std::memset(Bytes, '#', sizeof(Bytes)); }
    bool Untouched_From(size_t nSize) const
    {
        for (size_t i = nSize; i < sizeof(Bytes); ++i)
            if (Bytes[i] != '#')
                return false;
        return true;
    }
};

FILE* Stream_Of(const std::string& Bytes)
{
    FILE* pFile = std::tmpfile();
    std::fwrite(Bytes.data(), 1, Bytes.size(), pFile);
    std::rewind(pFile);
    return pFile;
}

}  // namespace

class BufferSizes : public LeagueTest {};

TEST_F(BufferSizes, TextUtilitiesCutAtTheSizeTheyAreGiven)
{
    FILLED Put;
    Put_Text(Put.Bytes, 5, "Hello World");
    EXPECT_STREQ(Put.Bytes, "Hell");
    EXPECT_TRUE(Put.Untouched_From(5));
    FILLED None;
    Put_Text(None.Bytes, 0, "Hello");
    EXPECT_TRUE(None.Untouched_From(0));

    char szLine[32] = "abcdef,gh";
    FILLED Token;
    EXPECT_EQ(Pop_Token_From_String(Token.Bytes, 4, szLine, ','), 0);
    EXPECT_STREQ(Token.Bytes, "abc");
    EXPECT_STREQ(szLine, "gh");
    EXPECT_TRUE(Token.Untouched_From(4));

    FILE* pFile = Stream_Of("abcdefgh\nij");
    FILLED Line;
    EXPECT_EQ(Read_Line(Line.Bytes, 6, pFile), 0);
    EXPECT_STREQ(Line.Bytes, "abcde");
    EXPECT_TRUE(Line.Untouched_From(6));
    EXPECT_EQ(Read_Line(Line.Bytes, 6, pFile), 1);
    EXPECT_STREQ(Line.Bytes, "ij");
    std::fclose(pFile);

    FILLED Number;
    Format_Number_With_Commas(1234567, Number.Bytes, 6);
    EXPECT_STREQ(Number.Bytes, "1,234");
    EXPECT_TRUE(Number.Untouched_From(6));
    FILLED Date;
    Format_Date_With_Year(0, 2019, Date.Bytes, 8);
    EXPECT_STREQ(Date.Bytes, "January");
    EXPECT_TRUE(Date.Untouched_From(8));
    FILLED Ordinal;
    Format_Ordinal(Ordinal.Bytes, 3, 21);
    EXPECT_STREQ(Ordinal.Bytes, "21");
    EXPECT_TRUE(Ordinal.Untouched_From(3));
    FILLED Resource;
    EXPECT_EQ(Load_String_Text(28, Resource.Bytes, 3), 2);
    EXPECT_STREQ(Resource.Bytes, "Qu");
    EXPECT_TRUE(Resource.Untouched_From(3));

    // Each text is cut to the other's buffer.
    char szA[8] = "short";
    char szB[4] = "abc";
    Swap_Texts(szA, szB);
    EXPECT_STREQ(szA, "abc");
    EXPECT_STREQ(szB, "sho");

    // Three blanks fill a buffer of six to its last byte.
    FILLED Padded;
    std::strcpy(Padded.Bytes, "ab");
    Pad_Text_Left(Padded.Bytes, 6, 10);
    EXPECT_STREQ(Padded.Bytes, "   ab");
    EXPECT_TRUE(Padded.Untouched_From(6));
}

TEST_F(BufferSizes, LeagueTextsCutAtTheSizeTheyAreGiven)
{
    FILLED Name;
    Get_Team_Full_Name(FREE_AGENT_TEAM, Name.Bytes, 5);
    EXPECT_STREQ(Name.Bytes, "Free");
    EXPECT_TRUE(Name.Untouched_From(5));
    FILLED City;
    EXPECT_EQ(Get_Team_String(City.Bytes, 6, FREE_AGENT_TEAM, TEAM_STRING_CITY), 1);
    EXPECT_STREQ(City.Bytes, "Free ");
    EXPECT_TRUE(City.Untouched_From(6));
    FILLED Bad;
    EXPECT_EQ(Get_Team_String(Bad.Bytes, 4, -3, TEAM_STRING_CITY), 0);
    EXPECT_STREQ(Bad.Bytes, "OUT");
    EXPECT_TRUE(Bad.Untouched_From(4));
    EXPECT_EQ(Errors_Reported(), 1);

    // A club not in use has the record "0 - 0".
    FILLED Record;
    Format_Team_Current_Record(Record.Bytes, 4, 35);
    EXPECT_STREQ(Record.Bytes, "0 -");
    EXPECT_TRUE(Record.Untouched_From(4));

    Set_Division_Name(0, "Northeastern");
    FILLED Division;
    Get_Division_Name(0, Division.Bytes, 6);
    EXPECT_STREQ(Division.Bytes, "North");
    EXPECT_TRUE(Division.Untouched_From(6));
}
