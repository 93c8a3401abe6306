// Reading exported pages as a browser would: their links, where each link
// leads, and a light check that a page parses.
#pragma once

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/html_text.h"

namespace export_pages {

// The href and src values of a page, entities decoded.
inline std::vector<std::string> Links_Of(const std::string& Page)
{
    std::vector<std::string> Links;
    static const std::regex LINK(R"rx(\s(?:src|href)\s*=\s*"([^"]*)")rx", std::regex::icase);
    for (auto It = std::sregex_iterator(Page.begin(), Page.end(), LINK); It != std::sregex_iterator(); ++It) {
        std::string Link = (*It)[1].str();
        for (const auto& [Entity, Text] : {std::pair<std::string, std::string>{"&quot;", "\""},
                                           {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
            size_t n = 0;
            while ((n = Link.find(Entity, n)) != std::string::npos) {
                Link.replace(n, Entity.size(), Text);
                n += Text.size();
            }
        }
        Links.push_back(Link);
    }
    return Links;
}

// Where a browser finds a link of the page in Folder: backslashes are
// slashes, empty steps are dropped, "." and ".." walk; the name's
// Windows-1252 bytes are asked for in UTF-8. Empty for a link that leaves
// the file system (a scheme, an absolute path).
inline std::string Resolve_Link(const std::filesystem::path& Folder, const std::string& Link)
{
    if (Link.find(':') != std::string::npos || Link.empty() || Link[0] == '/' || Link[0] == '\\')
        return std::string();
    std::string Path = Windows_1252_To_Utf8(Link);
    std::replace(Path.begin(), Path.end(), '\\', '/');
    std::filesystem::path Result = Folder;
    std::stringstream Steps(Path);
    std::string Step;
    while (std::getline(Steps, Step, '/')) {
        if (Step.empty() || Step == ".")
            continue;
        if (Step == "..")
            Result = Result.parent_path();
        else
            Result /= Step;
    }
    return Result.string();
}

// A light parse: every "<" opens a tag closed by ">" before the next "<",
// attribute quotes pair up, no template tag is left, and the elements that
// frame a page (html, head, body, table, tr, section, div, select, main) and
// its links open and close in order.
inline std::string Parse_Problem(const std::string& Page)
{
    if (Page.rfind("<!DOCTYPE html>", 0) != 0)
        return "no doctype";
    if (Page.find("<meta charset=\"windows-1252\">") == std::string::npos)
        return "no charset";
    if (Page.find("qlv:") != std::string::npos)
        return "a template tag is left";
    // Links too: the templates close a link the page's writer opened, so an
    // empty link leaves a closing tag without its opening.
    static const std::set<std::string> FRAMES = {"html", "head", "body", "table", "tr",     "section", "div",
                                                 "select", "main", "header", "nav", "footer", "a"};
    std::vector<std::string> Open;
    size_t nAt = 0;
    bool bScript = false;
    while ((nAt = Page.find('<', nAt)) != std::string::npos) {
        if (bScript) {
            const size_t nEnd = Page.find("</script>", nAt);
            if (nEnd == std::string::npos)
                return "an unclosed script";
            nAt = nEnd + 9;
            bScript = false;
            continue;
        }
        const size_t nClose = Page.find('>', nAt);
        const size_t nNext = Page.find('<', nAt + 1);
        if (nClose == std::string::npos || (nNext != std::string::npos && nNext < nClose))
            return "a tag without its \">\" at " + std::to_string(nAt);
        const std::string Tag = Page.substr(nAt + 1, nClose - nAt - 1);
        if (std::count(Tag.begin(), Tag.end(), '"') % 2 != 0)
            return "unpaired quotes in <" + Tag + ">";
        const bool bEnd = !Tag.empty() && Tag[0] == '/';
        std::string Name = Tag.substr(bEnd ? 1 : 0);
        Name = Name.substr(0, Name.find_first_of(" \t\n>"));
        std::transform(Name.begin(), Name.end(), Name.begin(), ::tolower);
        if (Name == "script" && !bEnd)
            bScript = true;
        if (FRAMES.count(Name) != 0) {
            if (!bEnd) {
                Open.push_back(Name);
            } else {
                if (Open.empty() || Open.back() != Name)
                    return "</" + Name + "> closes " + (Open.empty() ? std::string("nothing") : "<" + Open.back() + ">");
                Open.pop_back();
            }
        }
        nAt = nClose + 1;
    }
    if (!Open.empty())
        return "<" + Open.back() + "> is not closed";
    return std::string();
}

}  // namespace export_pages
