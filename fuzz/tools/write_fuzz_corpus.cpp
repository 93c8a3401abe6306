// Writes the seed corpus of the game-file fuzz target into the folder named
// on the command line (fuzz/corpus/game_file): valid files of the game-file
// tests' small league in three versions, files of versions 4101 and 5000,
// and damaged ones (cut in half, a changed byte, fewer blocks, the head
// only). Each block is compressed with zlib itself at level 1, so the seeds
// do not depend on how the program compresses.

#include <zlib.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "gamefile/game_file.h"
#include "gamefile/game_file_fixture.h"
#include "league/league_data.h"
#include "platform/files.h"

namespace {

using BYTES = std::vector<unsigned char>;

BYTES Head(const char* szDigits)
{
    std::string Text = std::string(GAME_FILE_TAG) + szDigits + "    Cc";
    BYTES Data(Text.begin(), Text.end());
    Data.resize(GAME_FILE_HEAD_SIZE, 0);
    return Data;
}

// A file of the given head whose blocks hold the given pieces of the league.
bool Make_File(const char* szDigits, const std::vector<BYTES>& Pieces, BYTES& Data)
{
    Data = Head(szDigits);
    for (const BYTES& Piece : Pieces) {
        uLongf nOut = compressBound(Piece.size());
        BYTES Block(nOut);
        if (compress2(Block.data(), &nOut, Piece.data(), Piece.size(), 1) != Z_OK)
            return false;
        const uint32_t n = static_cast<uint32_t>(nOut);
        const unsigned char Length[4] = {static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
                                         static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 24)};
        Data.insert(Data.end(), Length, Length + 4);
        Data.insert(Data.end(), Block.begin(), Block.begin() + static_cast<long>(nOut));
    }
    return true;
}

// The league cut into the 100 pieces the writer uses.
std::vector<BYTES> League_Pieces()
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(&League);
    std::vector<BYTES> Pieces;
    size_t nOffset = 0;
    for (int k = 0; k < GAME_FILE_BLOCK_COUNT; ++k) {
        size_t n = k == GAME_FILE_BLOCK_COUNT - 1 ? GAME_FILE_LAST_BLOCK_SIZE : GAME_FILE_BLOCK_SIZE;
        Pieces.emplace_back(p + nOffset, p + nOffset + n);
        nOffset += n;
    }
    return Pieces;
}

bool Write_File(const std::string& Path, const BYTES& Data)
{
    FILE* pFile = std::fopen(Path.c_str(), "wb");
    if (pFile == nullptr)
        return false;
    bool bOk = std::fwrite(Data.data(), 1, Data.size(), pFile) == Data.size();
    return std::fclose(pFile) == 0 && bOk;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER  (writes the seeds of fuzz/corpus/game_file into FOLDER)\n", argv[0]);
        return 2;
    }
    const std::string Folder = std::string(argv[1]) + "/";
    if (!files::Create_Folders(Folder.c_str())) {
        std::fprintf(stderr, "cannot make %s\n", Folder.c_str());
        return 1;
    }
    Zero_League_Data();
    Build_Game_File_League();
    const std::vector<BYTES> Pieces = League_Pieces();
    BYTES Valid, V1100, V7900, V4101, V5000, Fewer;
    bool bOk = Make_File("2101", Pieces, Valid) && Make_File("1100", Pieces, V1100) &&
               Make_File("7900", Pieces, V7900) && Make_File("4101", Pieces, V4101) &&
               Make_File("5000", Pieces, V5000) &&
               Make_File("2101", std::vector<BYTES>(Pieces.begin(), Pieces.begin() + 60), Fewer);
    if (!bOk) {
        std::fprintf(stderr, "compression failed\n");
        return 1;
    }
    BYTES Damaged = Valid;
    Damaged[40] ^= 0xFF;
    const std::pair<const char*, BYTES> Seeds[] = {
        {"valid-2101.zrt", Valid},
        {"valid-1100.zrt", V1100},
        {"valid-7900.zrt", V7900},
        {"version-4101.zrt", V4101},
        {"version-5000.zrt", V5000},
        {"truncated.zrt", BYTES(Valid.begin(), Valid.begin() + static_cast<long>(Valid.size() / 2))},
        {"corrupt-block.zrt", Damaged},
        {"fewer-blocks.zrt", Fewer},
        {"head-only.zrt", BYTES(Valid.begin(), Valid.begin() + static_cast<long>(GAME_FILE_HEAD_SIZE))},
    };
    for (const auto& Seed : Seeds) {
        if (!Write_File(Folder + Seed.first, Seed.second)) {
            std::fprintf(stderr, "cannot write %s%s\n", Folder.c_str(), Seed.first);
            return 1;
        }
    }
    std::printf("%zu seeds written to %s\n", sizeof(Seeds) / sizeof(Seeds[0]), Folder.c_str());
    return 0;
}
