// The page toolkit shared by every HTML page the program writes (the game's
// box-score and recap pages and the encyclopedia): one escaping of text for
// HTML, one sanitising of file names made from data, and one way to put a
// page path into a link.
//
// Texts are 8-bit Windows-1252 bytes, as stored in the records; the pages
// declare that charset, so bytes above 127 pass unchanged.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui_text.h"

// Appends Text with & < > " written as &amp; &lt; &gt; &quot;, so that it
// is safe both between tags and inside a double-quoted attribute. Every
// other byte is copied as it is.
void Append_Escaped_Html(std::string& Out, std::string_view Text);
std::string Escape_Html(std::string_view Text);

// One component of a file name made from data (a team's or a player's name):
// the bytes a path or a link cannot carry as part of one name ('/', '\\',
// control characters, and the URL's '#', '?' and '%') become '_', and a
// component that would be empty, "." or ".." gets a '_' in front, so the
// name never leaves the folder it is written into. A name without such bytes
// is unchanged. The page's file and every link to it use this same name.
std::string Sanitise_File_Name(std::string_view Name);

// The href of a page link ("..\\teams\\X.htm"), escaped for a double-quoted
// attribute. Path separators are kept as given (browsers read '\\' as '/').
std::string Html_Link(std::string_view Path);

// A path written in Windows-1252 (the records' text) is created on disk under
// its UTF-8 spelling (Windows_1252_To_Utf8 of platform/ui_text.h), since a
// browser reading a link of a Windows-1252 page asks for that spelling.

// Removes every tag of a text in place: everything from each '<' to the next
// '>' (to the end when no '>' follows). At most STRIP_HTML_KEEP characters
// of what is left are kept.
constexpr size_t STRIP_HTML_KEEP = 2037;
void Strip_Html_Tags(char* szText);
