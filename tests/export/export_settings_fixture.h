// The export's folder and style sheet are the program's settings, kept across
// tests in one process: a test that changes them starts from this fixture,
// which puts them back as they were for the tests that follow.
#pragma once

#include <string>

#include "export/encyclopedia.h"
#include "export/page_links.h"
#include "test_support.h"

class ExportSettingsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        m_Root = Get_Html_Export_Root();
        m_StyleSheet = Get_Html_Style_Sheet_Name();
    }
    void TearDown() override
    {
        Set_Html_Export_Root(m_Root.c_str());
        Set_Html_Style_Sheet_Name(m_StyleSheet);
        LeagueTest::TearDown();
    }

private:
    std::string m_Root;
    std::string m_StyleSheet;
};
