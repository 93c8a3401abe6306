// Position texts of outside files to position codes: whole-text matches,
// joined texts split into parts, the plain list's exact case, and texts that
// name no position.
#include <gtest/gtest.h>

#include <string>

#include "season/position_abbreviations.h"

namespace {

TEST(PositionAbbreviationTest, WholeTextsMatchTheFirstRowIgnoringCase)
{
    EXPECT_EQ(Find_Expanded_Position_Code("QB"), 0);
    EXPECT_EQ(Find_Expanded_Position_Code("hbk"), 1);
    EXPECT_EQ(Find_Expanded_Position_Code("B"), 2);
    EXPECT_EQ(Find_Expanded_Position_Code("Edge"), 8);
    EXPECT_EQ(Find_Expanded_Position_Code("de/ob"), 8);
    EXPECT_EQ(Find_Expanded_Position_Code("WR2"), 16);
    EXPECT_EQ(Find_Expanded_Position_Code("jack"), 37);
    EXPECT_EQ(Find_Expanded_Position_Code("FS"), 42);
    // The later rows of RS and LS are never reached.
    EXPECT_EQ(Find_Expanded_Position_Code("RS"), 12);
    EXPECT_EQ(Find_Expanded_Position_Code("ls"), 12);
    EXPECT_EQ(Find_Expanded_Position_Code("KR"), 18);
    EXPECT_EQ(Find_Expanded_Position_Code("ILB/M"), 34);
    EXPECT_EQ(Find_Expanded_Position_Code("XQ"), -1);
    EXPECT_EQ(Find_Expanded_Position_Code(""), -1);
    EXPECT_EQ(Find_Expanded_Position_Code("QB "), -1);
    EXPECT_EQ(Find_Expanded_Position_Code(nullptr), -1);
}

TEST(PositionAbbreviationTest, ThePlainListIsExactAndHoldsNamesWithoutARow)
{
    EXPECT_EQ(Is_Known_Position_Abbreviation("QB"), 1);
    EXPECT_EQ(Is_Known_Position_Abbreviation("SAF"), 1);
    EXPECT_EQ(Is_Known_Position_Abbreviation("LS"), 1);
    EXPECT_EQ(Is_Known_Position_Abbreviation("LOL"), 1);   // listed, though no row has it
    EXPECT_EQ(Find_Expanded_Position_Code("LOL"), -1);
    EXPECT_EQ(Is_Known_Position_Abbreviation("qb"), 0);   // case counts
    EXPECT_EQ(Is_Known_Position_Abbreviation("LEO"), 0);
    EXPECT_EQ(Is_Known_Position_Abbreviation("KR"), 0);
    EXPECT_EQ(Is_Known_Position_Abbreviation("DB"), 0);
    EXPECT_EQ(Is_Known_Position_Abbreviation(""), 0);
    EXPECT_EQ(Is_Known_Position_Abbreviation(nullptr), 0);
}

TEST(PositionAbbreviationTest, JoinedTextsTakeAPlainPartAtOnceElseTheFirstCode)
{
    EXPECT_EQ(Parse_Position_Abbreviation("ilb/m"), 34);   // whole text, case ignored
    EXPECT_EQ(Parse_Position_Abbreviation("DE-LB"), 8);    // DE plain, first
    EXPECT_EQ(Parse_Position_Abbreviation("LEO-OLB"), 33); // LEO kept, OLB plain
    EXPECT_EQ(Parse_Position_Abbreviation("RS"), 12);
    EXPECT_EQ(Parse_Position_Abbreviation("KR/PR"), 18);   // neither plain: first kept
    EXPECT_EQ(Parse_Position_Abbreviation("PR/KR"), 18);
    EXPECT_EQ(Parse_Position_Abbreviation("XQ"), -1);
    EXPECT_EQ(Parse_Position_Abbreviation(""), -1);
    EXPECT_EQ(Parse_Position_Abbreviation(nullptr), -1);
    // A lower-case plain name is not plain: "lb" keeps 10 and "CB" wins.
    EXPECT_EQ(Parse_Position_Abbreviation("lb/CB"), 11);
    EXPECT_EQ(Parse_Position_Abbreviation("lb/cb"), 10);
    // Commas split too, and slashes and hyphens mix.
    EXPECT_EQ(Parse_Position_Abbreviation("kr,WR"), 4);
    EXPECT_EQ(Parse_Position_Abbreviation("PR-KR/S"), 12);
    // Only five parts are tried: a plain part sixth is never reached.
    EXPECT_EQ(Parse_Position_Abbreviation("XX/YY/ZZ/WW/VV/QB"), -1);
    EXPECT_EQ(Parse_Position_Abbreviation("XX/YY/ZZ/WW/QB"), 0);
    EXPECT_EQ(Parse_Position_Abbreviation("XX/YY/ZZ/WW/kr/QB"), 18);
    // Empty parts are parts; an over-long part names nothing, whole.
    EXPECT_EQ(Parse_Position_Abbreviation("//TE"), 3);
    EXPECT_EQ(Parse_Position_Abbreviation((std::string(40, 'Q') + "B/K").c_str()), 13);
    EXPECT_EQ(Parse_Position_Abbreviation((std::string(300, 'Z') + "QB").c_str()), -1);
}

TEST(PositionAbbreviationTest, BasePositionsTranslateExpandedCodes)
{
    EXPECT_EQ(Parse_Base_Position("QB"), 0);
    EXPECT_EQ(Parse_Base_Position("ilb/m"), 10);   // 34: an inside linebacker
    EXPECT_EQ(Parse_Base_Position("LEO-OLB"), 10);
    EXPECT_EQ(Parse_Base_Position("KR/PR"), 4);    // returners count as receivers
    EXPECT_EQ(Parse_Base_Position("LT"), 5);
    EXPECT_EQ(Parse_Base_Position("NT"), 9);
    EXPECT_EQ(Parse_Base_Position("OE"), 4);    // an end of old counts as a receiver
    EXPECT_EQ(Parse_Base_Position("NB"), 11);
    EXPECT_EQ(Parse_Base_Position("SS"), 12);
    EXPECT_EQ(Parse_Base_Position("ST"), 4);
    EXPECT_EQ(Parse_Base_Position("XQ"), -1);
}

}  // namespace
