// The buffered text writer and the league names file.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

#include "../league/league_fixture.h"
#include "../test_support.h"
#include "export/html_writer.h"
#include "league/league_structure.h"
#include "platform/files.h"
#include "platform/files_test_hooks.h"

namespace {

class HtmlWriterTest : public LeagueTest {};

}  // namespace

TEST_F(HtmlWriterTest, TheBufferFillsToItsCapacityAndFlushesBeforeATextThatDoesNotFit)
{
    SCRATCH_FOLDER Scratch("html_writer");
    ASSERT_TRUE(Scratch.Ready());
    HTML_WRITER Writer;
    Writer.Path = "page.htm";
    ASSERT_EQ(Open_Html_Writer(&Writer), 1);
    EXPECT_EQ(Writer.nCapacity, 65536);

    // Exactly 65,536 bytes fit an empty buffer; one more is refused.
    const std::string Full(65536, 'a');
    EXPECT_EQ(Append_Html_Text(&Writer, Full.c_str()), 1);
    EXPECT_EQ(Writer.nFill, 65536);
    EXPECT_EQ(Append_Html_Text(&Writer, (Full + "b").c_str()), 0);
    EXPECT_EQ(Writer.nFill, 65536);

    // 100 bytes onto 65,500: the 65,500 go to the file first.
    ASSERT_EQ(Set_Html_Text(&Writer, std::string(65500, 'c').c_str()), 1);
    EXPECT_EQ(Writer.nFill, 65500);
    EXPECT_EQ(Append_Html_Text(&Writer, std::string(100, 'd').c_str()), 1);
    EXPECT_EQ(Writer.nLastFlush, 65500);
    EXPECT_EQ(Writer.nFill, 100);

    EXPECT_EQ(Append_Html_Line(&Writer, "<p>"), 1);
    EXPECT_EQ(Append_Html_Format(&Writer, "%d-%s", 42, "x"), 1);
    EXPECT_EQ(Writer.nFill, 100 + 4 + 4);
    // A format that does not fit the room left flushes once and goes in front.
    ASSERT_EQ(Set_Html_Text(&Writer, std::string(65530, 'e').c_str()), 1);
    EXPECT_EQ(Append_Html_Format(&Writer, "%s", std::string(10, 'f').c_str()), 1);
    EXPECT_EQ(Writer.nFill, 10);
    EXPECT_EQ(Append_Html_Format(&Writer, "%s", std::string(70000, 'g').c_str()), 0);
    EXPECT_EQ(Writer.nFill, 0);

    EXPECT_EQ(Append_Html_Text(&Writer, "end"), 1);
    EXPECT_EQ(Close_Html_Writer(&Writer), 1);
    EXPECT_EQ(Writer.pBuffer, nullptr);
    EXPECT_EQ(Writer.nCapacity, 0);
    const std::string Text = Read_Text_File("page.htm");
    // Setting the text dropped what the buffer held ("d...", "<p>", "42-x").
    const std::string Expected = std::string(65500, 'c') + std::string(65530, 'e') + std::string(10, 'f') + "end";
    EXPECT_TRUE(Text == Expected) << Text.size() << " bytes written, " << Expected.size() << " expected";

    // Missing writer or text.
    EXPECT_EQ(Append_Html_Text(nullptr, "x"), 0);
    EXPECT_EQ(Append_Html_Text(&Writer, nullptr), 0);
    EXPECT_EQ(Close_Html_Writer(nullptr), 0);
}

TEST_F(HtmlWriterTest, AWriterWhoseFileNeverOpenedClosesWithZeroAndWritesNothing)
{
    SCRATCH_FOLDER Scratch("html_writer_missing");
    ASSERT_TRUE(Scratch.Ready());
    HTML_WRITER Writer;
    Writer.Path = "no such folder/page.htm";
    EXPECT_EQ(Open_Html_Writer(&Writer), 0);
    EXPECT_EQ(Writer.pBuffer, nullptr);
    EXPECT_EQ(Flush_Html_Writer(&Writer), 0);
    EXPECT_EQ(Close_Html_Writer(&Writer), 0);
    EXPECT_FALSE(std::filesystem::exists("no such folder"));
}

TEST_F(HtmlWriterTest, PlayerLinksInBothFormsAndTheirRefusals)
{
    SCRATCH_FOLDER Scratch("html_writer_links");
    ASSERT_TRUE(Scratch.Ready());
    Use_Franchises(2);
    Put_Player(1, 4, 5150, 0);
    Set_Player_First_Name(1, 4, "Ann");
    Set_Player_Last_Name(1, 4, "Lee & Co");
    HTML_WRITER Writer;
    Writer.Path = "links.htm";
    ASSERT_EQ(Open_Html_Writer(&Writer), 1);
    EXPECT_EQ(Write_Html_Player_Link(&Writer, 1, 4, 1), 1);
    EXPECT_EQ(Write_Html_Player_Link(&Writer, 1, 4, 2), 1);
    EXPECT_EQ(Write_Html_Player_Link(&Writer, 1, 4, 3), 1);
    EXPECT_EQ(Write_Html_Player_Link(&Writer, 1, 5, 1), 1);
    ASSERT_EQ(Close_Html_Writer(&Writer), 1);
    EXPECT_EQ(Read_Text_File("links.htm"),
              "<a href=\"ID/5150.html\">Ann Lee &amp; Co</a>"
              "<a href=\"ID/5150.html\">Lee &amp; Co, Ann</a>"
              "<a href=\"\">UNKNOWN-FORMAT</a>\n"
              "<a href=\"\">INVALID-PLAYER</a>\n");
}

TEST_F(HtmlWriterTest, TheLeagueNamesFileAppendsElevenLinesOnlyWhereItsFolderIs)
{
    SCRATCH_FOLDER Scratch("league_names");
    ASSERT_TRUE(Scratch.Ready());
    Use_Franchises(8);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    std::snprintf(League.szLeagueName[0], LEAGUE_NAME_SIZE, "%s", "Eastern");
    std::snprintf(League.szLeagueName[1], LEAGUE_NAME_SIZE, "%s", "Western");
    const char* const DIVISIONS[] = {"N", "S", "E", "W", "NW", "SW", "NE", "SE"};
    for (int d = 0; d < 8; ++d)
        Set_Division_Name(d, DIVISIONS[d]);
    // No folder: nothing written, the folder not made.
    EXPECT_EQ(Write_League_Names_File(), 0);
    EXPECT_FALSE(std::filesystem::exists("Vazarudu Stats"));
    std::filesystem::create_directory("Vazarudu Stats");
    EXPECT_EQ(Write_League_Names_File(), 1);
    EXPECT_EQ(Read_Text_File("Vazarudu Stats/2k6_league.txt"), "2019\nEastern\nN\nS\nE\nW\nWestern\nNW\nSW\nNE\nSE\n");
    // A second call appends.
    EXPECT_EQ(Write_League_Names_File(), 1);
    EXPECT_EQ(Read_Text_File("Vazarudu Stats/2k6_league.txt").size(), 2 * std::string("2019\nEastern\nN\nS\nE\nW\nWestern\nNW\nSW\nNE\nSE\n").size());

    // A link at the name is never appended through; a page takes its name
    // whole at the close, and one that could not be written keeps the old.
    const std::string Linked = Read_Text_File("Vazarudu Stats/2k6_league.txt");
    std::filesystem::rename("Vazarudu Stats/2k6_league.txt", "linked.txt");
    std::filesystem::create_symlink("../linked.txt", "Vazarudu Stats/2k6_league.txt");
    EXPECT_EQ(Write_League_Names_File(), 1);
    EXPECT_EQ(Read_Text_File("linked.txt"), Linked);
    // On a full disk the lines are not written, the call says so, and the
    // file keeps its bytes.
    const std::string Before = Read_Text_File("Vazarudu Stats/2k6_league.txt");
    files::Set_Temporary_Write_Device("/dev/full");
    errno = 0;
    EXPECT_EQ(Write_League_Names_File(), -1);
    EXPECT_EQ(errno, ENOSPC);
    files::Set_Temporary_Write_Device(nullptr);
    EXPECT_EQ(Read_Text_File("Vazarudu Stats/2k6_league.txt"), Before);
    HTML_WRITER Writer;
    Writer.Path = "linked.txt";
    files::Set_Temporary_Write_Device("/dev/full");
    ASSERT_EQ(Open_Html_Writer(&Writer), 1);
    files::Set_Temporary_Write_Device(nullptr);
    ASSERT_EQ(Append_Html_Text(&Writer, "lost page"), 1);
    EXPECT_EQ(Close_Html_Writer(&Writer), 0);
    EXPECT_EQ(Read_Text_File("linked.txt"), Linked);
}
