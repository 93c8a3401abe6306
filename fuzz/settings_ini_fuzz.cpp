// Fuzz target of the encyclopedia settings reader: any bytes as
// "input/settings.ini". Whatever the file holds, the folder and the style
// sheet are at most 2,047 characters, neither holds a line break, an empty
// line keeps its default, and writing them and reading them back gives them
// again.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "editors/encyclopedia_dialog.h"
#include "fuzz_input_file.h"

namespace {

void Check_Field(const std::string& Field)
{
    if (Field.empty() || Field.size() > static_cast<size_t>(ENCYCLOPEDIA_SETTINGS_LINE))
        std::abort();
    if (Field.find('\n') != std::string::npos)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    Make_Fuzz_Folder("input");
    Write_Fuzz_File(ENCYCLOPEDIA_SETTINGS_FILE, pData, nSize);
    const ENCYCLOPEDIA_SETTINGS Settings = Read_Encyclopedia_Settings();
    Check_Field(Settings.Folder);
    Check_Field(Settings.StyleSheet);
    // A field that ends in a carriage return or holds a NUL does not come
    // back whole through a text file; every other one must.
    const bool bPlain = Settings.Folder.back() != '\r' && Settings.StyleSheet.back() != '\r' &&
                        Settings.Folder.find('\0') == std::string::npos &&
                        Settings.StyleSheet.find('\0') == std::string::npos;
    if (!Write_Encyclopedia_Settings(Settings))
        std::abort();
    const ENCYCLOPEDIA_SETTINGS Again = Read_Encyclopedia_Settings();
    if (bPlain && (Again.Folder != Settings.Folder || Again.StyleSheet != Settings.StyleSheet))
        std::abort();
    return 0;
}
