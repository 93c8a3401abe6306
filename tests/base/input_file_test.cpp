// The reading rule for outside text files: quoted fields, bounded numbers,
// line ends, byte-order marks, UTF-8 names and what is not a regular file.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "base/input_file.h"
#include "test_support.h"

namespace {

std::string Pop_All(const char* szLine)
{
    char szCopy[256];
    snprintf(szCopy, sizeof(szCopy), "%s", szLine);
    std::string Out;
    char szField[64];
    for (;;) {
        int nLast = Pop_Input_Field(szField, szCopy);
        Out += "[";
        Out += szField;
        Out += "]";
        if (nLast)
            break;
    }
    return Out;
}

TEST(InputFileTest, FieldsQuotedOnlyWhenTheyStartWithAQuote)
{
    EXPECT_EQ(Pop_All("a,b,,c"), "[a][b][][c]");
    EXPECT_EQ(Pop_All("\"$1,250,000\",x"), "[$1,250,000][x]");
    EXPECT_EQ(Pop_All("6'2\",200"), "[6'2\"][200]");
    EXPECT_EQ(Pop_All("\"say \"\"hi\"\"\",1"), "[say \"hi\"][1]");
    EXPECT_EQ(Pop_All("\"open to the end"), "[open to the end]");
    EXPECT_EQ(Pop_All(""), "[]");
    EXPECT_EQ(Pop_All("last,"), "[last][]");
    // A field longer than the buffer is cut, and the next field is intact.
    char szLine[] = "abcdefghij,k";
    char szSmall[4];
    EXPECT_EQ(Pop_Input_Field(szSmall, szLine), 0);
    EXPECT_STREQ(szSmall, "abc");
    EXPECT_STREQ(szLine, "k");
}

TEST(InputFileTest, NumbersAreBoundedAndNeverNonFinite)
{
    EXPECT_EQ(Parse_Input_Int("42abc"), 42);
    EXPECT_EQ(Parse_Input_Int("  -17"), -17);
    EXPECT_EQ(Parse_Input_Int(""), 0);
    EXPECT_EQ(Parse_Input_Int("abc"), 0);
    EXPECT_EQ(Parse_Input_Int("99999999999999999999"), 1000000000);
    EXPECT_EQ(Parse_Input_Int("-5000000000"), -1000000000);
    EXPECT_EQ(Parse_Input_Money("$1,250,000"), 1250000LL);
    EXPECT_EQ(Parse_Input_Money("$5,000,000,000"), 1000000000LL);
    EXPECT_EQ(Parse_Input_Money("-5"), -5LL);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal("9.5"), 9.5);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal(".25"), 0.25);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal("inf"), 0.0);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal("nan"), 0.0);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal("1e400"), 0.0);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal("0x10"), 0.0);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal("1e12"), 1e9);
    EXPECT_DOUBLE_EQ(Parse_Input_Decimal(""), 0.0);
}

TEST(InputFileTest, LinesLoseTheirMarkAndEndsAndUtf8BecomesWindows1252)
{
    SCRATCH_FOLDER Scratch("input_file");
    {
        FILE* p = fopen("a.csv", "wb");
        ASSERT_NE(p, nullptr);
        // Byte-order mark, CRLF, an accented name in UTF-8, a sign with no
        // Windows-1252 byte, an 8-bit line, a last line without its end.
        fputs("\xEF\xBB\xBFID,Name\r\n1,Jos\xC3\xA9\r\n2,\xE2\x82\xAC \xE2\x98\x83\r\n3,Ren\xE9\r\n4,last\r", p);
        fclose(p);
    }
    FILE* p = Open_Input_File("A.CSV");
    ASSERT_NE(p, nullptr);
    char szLine[64];
    EXPECT_EQ(Read_Input_Line("a.csv", szLine, p), 0);
    EXPECT_STREQ(szLine, "ID,Name");
    EXPECT_EQ(Read_Input_Line("a.csv", szLine, p), 0);
    EXPECT_STREQ(szLine, "1,Jos\xE9");
    EXPECT_EQ(Read_Input_Line("a.csv", szLine, p), 0);
    EXPECT_STREQ(szLine, "2,\x80 ?");
    EXPECT_EQ(Read_Input_Line("a.csv", szLine, p), 0);
    EXPECT_STREQ(szLine, "3,Ren\xE9");
    EXPECT_EQ(Read_Input_Line("a.csv", szLine, p), 1);
    EXPECT_STREQ(szLine, "4,last");
    fclose(p);

    // Only regular files open; errno and the problem say what stands there.
    ASSERT_EQ(mkdir("folder.csv", 0755), 0);
    EXPECT_EQ(Open_Input_File("folder.csv"), nullptr);
    EXPECT_EQ(Input_Open_Problem("folder.csv", errno), "\"folder.csv\" is a folder, not a file");
    ASSERT_EQ(mkfifo("pipe.csv", 0644), 0);
    EXPECT_EQ(Open_Input_File("pipe.csv"), nullptr);
    EXPECT_EQ(Input_Open_Problem("pipe.csv", errno), "\"pipe.csv\" cannot be read (not a regular file)");
    EXPECT_EQ(Open_Input_File("missing.csv"), nullptr);
    EXPECT_EQ(Input_Open_Problem("missing.csv", errno), "\"missing.csv\" is not in the data folder");
    EXPECT_EQ(Open_Input_File(""), nullptr);
}

// A table is checked whole before it is used: its header's first names
// (letter case, blanks and underscores aside), no line with fewer fields
// than the header, a quoted comma being no field's end, and no NUL byte.
TEST(InputFileTest, ATableWithAForeignHeaderOrALineCutShortIsRefused)
{
    SCRATCH_FOLDER Scratch("input_table");
    struct CASE {
        std::string szText;
        const char* szProblem;   // "" when sound
        int nLines;
    };
    using namespace std::string_literals;
    const CASE CASES[] = {
        {"Kelvo ID,Corvel ID,Player ID,X\n,a,1,z\n", "", 2},
        {"\xEF\xBB\xBFkelvoid,CORVEL_ID,player id,x\r\n,a,1,z\r\n", "", 2},
        {"Kelvo ID,Corvel ID,Player ID,X\n\n,\"a,b\",1,z\n\r\n,\"say \"\"x,y\"\"\",1,z", "", 5},
        {"Name,Corvel ID,Player ID,X\n", "line 1 is not the header of the file (it begins \"Kelvo ID,Corvel ID,Player ID\")",
         1},
        {"Kelvo ID,Corvel ID\n", "line 1 is not the header of the file (it begins \"Kelvo ID,Corvel ID,Player ID\")", 1},
        {"Kelvo ID,Corvel ID,Player ID,X\n,a,1,z\n,a,1", "line 3 holds 3 of the header's 4 fields: the file ends inside it "
         "(cut short)", 3},
        {"Kelvo ID,Corvel ID,Player ID,X\n,a\n,a,1,z\n", "line 2 holds 2 of the header's 4 fields", 2},
        {"Kelvo ID,Corvel ID,Player ID,X\n\"1,5\",2,3\n", "line 2 holds 3 of the header's 4 fields", 2},
        {"", "the file is empty", 0},
        // A reader's line would end at a NUL byte: the first one is named,
        // after the header's names are found (also where they hold it).
        {"Kelvo ID,Corvel ID,Player ID,X\n,a,1,z\n,a\0b,1,z\n"s,
         "line 3 holds a NUL byte at character 3 (a text file holds none)", 3},
        {"Kelvo ID,Corvel ID,Player ID,X\0\0\n,a,1,z\n"s, "line 1 holds a NUL byte at character 31 (a text file "
         "holds none)", 1},
        {"Kelvo\0ID,Corvel ID\n"s, "line 1 is not the header of the file (it begins \"Kelvo ID,Corvel ID,Player ID\")",
         1},
        {"Kelvo ID,Corvel ID,Player ID,X\n,a,1,z\n,a,1,\0"s, "line 3 holds a NUL byte at character 6 (a text file "
         "holds none)", 3},
    };
    for (const CASE& Case : CASES) {
        SCOPED_TRACE(Case.szText);
        FILE* p = fopen("t.csv", "wb");
        ASSERT_NE(p, nullptr);
        fwrite(Case.szText.data(), 1, Case.szText.size(), p);
        fclose(p);
        p = Open_Input_File("t.csv");
        ASSERT_NE(p, nullptr);
        std::string Problem;
        int nLines = -1;
        EXPECT_EQ(Check_Input_Table(p, "Kelvo ID,Corvel ID,Player ID,Team", 3, Problem, &nLines),
                  Case.szProblem[0] == '\0');
        EXPECT_EQ(Problem, Case.szProblem);
        EXPECT_EQ(nLines, Case.nLines);
        // Read again from its start.
        EXPECT_EQ(ftell(p), 0);
        fclose(p);
    }

    // No names asked for: any header line, its fields the measure.
    FILE* p = fopen("t.csv", "wb");
    ASSERT_NE(p, nullptr);
    fputs("Team,Town,Nick\nA,B,C\nD,E\n", p);
    fclose(p);
    p = Open_Input_File("t.csv");
    ASSERT_NE(p, nullptr);
    std::string Problem;
    EXPECT_FALSE(Check_Input_Table(p, "Abbreviation,City,Nickname", 0, Problem));
    EXPECT_EQ(Problem, "line 3 holds 2 of the header's 3 fields");
    fclose(p);
}

// The mark many editors put first, one helper for every reader of a file the
// user may have edited.
TEST(InputFileTest, AByteOrderMarkIsDroppedOnlyWhole)
{
    EXPECT_EQ(Byte_Order_Mark_Length("\xEF\xBB\xBF"), 3u);
    EXPECT_EQ(Byte_Order_Mark_Length("\xEF\xBB" "A"), 0u);
    EXPECT_EQ(Byte_Order_Mark_Length("A\xEF\xBB\xBF"), 0u);
    EXPECT_EQ(Byte_Order_Mark_Length(nullptr), 0u);
    char szLine[] = "\xEF\xBB\xBF" "Atlanta,1";
    Drop_Byte_Order_Mark(szLine);
    EXPECT_STREQ(szLine, "Atlanta,1");
    Drop_Byte_Order_Mark(szLine);   // a second call takes nothing more
    EXPECT_STREQ(szLine, "Atlanta,1");
}

TEST(InputFileTest, NamesThatMayNameFiles)
{
    EXPECT_TRUE(Is_Plain_External_Id("SmitJo00"));
    EXPECT_TRUE(Is_Plain_External_Id("A"));
    EXPECT_TRUE(Is_Plain_External_Id("ABCDEFGHIJK"));
    EXPECT_FALSE(Is_Plain_External_Id("ABCDEFGHIJKL"));
    EXPECT_FALSE(Is_Plain_External_Id(""));
    EXPECT_FALSE(Is_Plain_External_Id("../x"));
    EXPECT_FALSE(Is_Plain_External_Id("a b"));
    EXPECT_TRUE(Is_Plain_File_Name_Part("Bears"));
    EXPECT_FALSE(Is_Plain_File_Name_Part("a/b"));
    EXPECT_FALSE(Is_Plain_File_Name_Part("a\\b"));
    EXPECT_FALSE(Is_Plain_File_Name_Part(".."));
    EXPECT_FALSE(Is_Plain_File_Name_Part("a\tb"));
    EXPECT_FALSE(Is_Plain_File_Name_Part(""));
}

} // namespace
