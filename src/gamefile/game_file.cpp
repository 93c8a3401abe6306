// The game file: saving the league block as a head and 100 zlib streams, and
// loading it back through a scratch block with the rebuilds a loaded league
// needs.

#include "gamefile/game_file.h"
#include "gamefile/loaded_ranges.h"
#include "gamefile/game_file_test_hooks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <libdeflate.h>
#include <zlib.h>

#include <strings.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "frontoffice/college_count.h"
#include "league/default_settings.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "gamefile/old_files.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/standings_keys.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/draft_pool.h"
#include "season/fantasy_draft.h"
#include "season/leader_updates.h"
#include "season/player_repairs.h"

namespace {

// The start-up database; its load shows its own caption and message.
constexpr const char* STARTUP_DATABASE = "Databases/Universe-2019.dat";
constexpr uint32_t CHECKSUM_CITY_CONSTANT = 7200;

constexpr const char* MEMORY_ERROR_CAPTION = "Memory Allocation Error";
constexpr const char* MEMORY_ERROR_TEXT =
    "Unable to allocate save game compression buffer!\n\nPlease close any open programs and try again.";

// Version values of the head.
constexpr int OLD_DRAFT_POOL_LAST_VERSION = 2501;
constexpr int OLD_PLAYER_RATINGS_VERSION = 1400;
constexpr int PREFERENCES_65_69_VERSION = 2001;
constexpr int CLICK_PAUSE_VERSION = 2002;
constexpr int STAT_BYTES_VERSION = 2084;
constexpr int YEAR_AS_SEASON_INDEX = 100;               // a season index this large is a year
constexpr int YEAR_AS_SEASON_BASE = 1998;

// ---------------------------------------------------------------------------
// Process state outside the league block

bool g_bLeagueLoaded = false;
// Why the last load failed, in words ("" after one that loaded).
std::string g_LastLoadFailure;
bool g_bHaveFingerprint = false;
uint64_t g_nFingerprint = 0;

long long g_nWriteFault = -1;
int g_nCreateFault = 0;
// The system's error code of the last failed save (0: none, or no system
// call failed).
int g_nLastSaveError = 0;
// Why the compression of a save failed where no system call said: the
// compressing threads note the first cause.
constexpr int COMPRESS_FINE = 0;
constexpr int COMPRESS_NO_MEMORY = 1;   // a compressor or a block's room could not be had
constexpr int COMPRESS_NO_ROOM = 2;     // a block's stream came out larger than the block
std::atomic<int> g_nCompressFailure{COMPRESS_FINE};
bool g_bCompressorFault = false;
bool g_bAllocationFault = false;
bool g_bSaverStartFault = false;
bool g_bLoadSequence = true;
int g_nThreadCount = 0;   // 0: one per processor, at most MAX_THREADS

struct FREE_DELETER {
    void operator()(void* p) const { std::free(p); }
};
using SCRATCH = std::unique_ptr<uint8_t, FREE_DELETER>;

// The scratch block of every load and save, made by the first one: a load
// reads a file into it, a save compresses a copy of the league from it.
// Neither runs inside the other.
SCRATCH& Load_Scratch()
{
    static SCRATCH Scratch;
    if (!Scratch)
        Scratch.reset(static_cast<uint8_t*>(std::malloc(LEAGUE_DATA_SIZE)));
    return Scratch;
}

uint8_t* League_Bytes()
{
    return reinterpret_cast<uint8_t*>(&League);
}

uint32_t Region_Checksum(const uint8_t* pRegion)
{
    // libdeflate's Adler-32 is zlib's sum, computed several times faster.
    uint32_t nSum = libdeflate_adler32(0, pRegion + offsetof(LEAGUE_DATA, Team), sizeof(League.Team));
    return nSum + CHECKSUM_CITY_CONSTANT;
}

int32_t Region_Preference(const uint8_t* pRegion, int nPreference)
{
    int32_t nValue;
    std::memcpy(&nValue, pRegion + offsetof(LEAGUE_DATA, Preferences) + 4 * static_cast<size_t>(nPreference),
                sizeof(nValue));
    return nValue;
}

// A 64-bit fingerprint of a byte block: four independent multiply-rotate
// lanes over 8-byte words (so the loop runs at memory speed), folded at the
// end with the length. It reads only the fixed league block, and runs over
// all of it for every fuzz input, so the fuzzer's tracing and the address
// checks are kept out of it; its helpers carry the same attributes, since a
// function is inlined only into one instrumented as it is.
#if defined(__clang__)
#define KELVO_NO_COVERAGE __attribute__((no_sanitize("coverage", "address", "undefined")))
#else
#define KELVO_NO_COVERAGE
#endif

constexpr uint64_t FINGERPRINT_K1 = 0x9E3779B185EBCA87ull;
constexpr uint64_t FINGERPRINT_K2 = 0xC2B2AE3D27D4EB4Full;

KELVO_NO_COVERAGE inline uint64_t Rotate(uint64_t x, int r)
{
    return (x << r) | (x >> (64 - r));
}

KELVO_NO_COVERAGE inline uint64_t Mix(uint64_t h, uint64_t w)
{
    return Rotate(h ^ (w * FINGERPRINT_K2), 31) * FINGERPRINT_K1;
}

KELVO_NO_COVERAGE inline uint64_t Word(const uint8_t* p)
{
    uint64_t w;
    std::memcpy(&w, p, sizeof(w));
    return w;
}

// The main window's page (preference 26) is saved with the game but is not
// a change to it: looking at a page asks nobody to save. The fingerprint of
// the league block reads it as 0.
constexpr size_t SHOWN_PAGE_OFFSET =
    offsetof(LEAGUE_DATA, Preferences) + offsetof(PREFERENCES, nInt) + sizeof(int32_t) * PREF_MAIN_PAGE;

KELVO_NO_COVERAGE uint64_t Fingerprint(const uint8_t* p, size_t n)
{
    uint64_t h0 = FINGERPRINT_K1, h1 = FINGERPRINT_K2, h2 = FINGERPRINT_K1 ^ 0x5555, h3 = FINGERPRINT_K2 ^ 0xAAAA;
    const uint8_t* pStart = p;
    const uint8_t* pEnd = p + (n & ~static_cast<size_t>(31));
    const size_t nPageChunk = n >= SHOWN_PAGE_OFFSET + sizeof(int32_t) ? SHOWN_PAGE_OFFSET & ~static_cast<size_t>(31)
                                                                      : n;
    for (; p != pEnd; p += 32) {
        const uint8_t* pChunk = p;
        uint8_t Masked[32];
        if (static_cast<size_t>(p - pStart) == nPageChunk) {
            std::memcpy(Masked, p, sizeof(Masked));
            std::memset(Masked + (SHOWN_PAGE_OFFSET & 31), 0, sizeof(int32_t));
            pChunk = Masked;
        }
        h0 = Mix(h0, Word(pChunk));
        h1 = Mix(h1, Word(pChunk + 8));
        h2 = Mix(h2, Word(pChunk + 16));
        h3 = Mix(h3, Word(pChunk + 24));
    }
    uint8_t Tail[32] = {};
    std::memcpy(Tail, p, n & 31);
    h0 = Mix(h0, Word(Tail));
    h1 = Mix(h1, Word(Tail + 8));
    h2 = Mix(h2, Word(Tail + 16));
    h3 = Mix(h3, Word(Tail + 24));
    uint64_t r = h1 ^ Rotate(h0, 7) ^ Rotate(h2, 19) ^ Rotate(h3, 43) ^ n;
    r ^= r >> 33;
    r *= FINGERPRINT_K2;
    r ^= r >> 29;
    return r;
}

bool Is_Startup_Database(const char* szPath)
{
    return ::strcasecmp(szPath, STARTUP_DATABASE) == 0;
}

// ---------------------------------------------------------------------------
// Saving

size_t Block_Size(int k)
{
    return k == GAME_FILE_BLOCK_COUNT - 1 ? GAME_FILE_LAST_BLOCK_SIZE : GAME_FILE_BLOCK_SIZE;
}

static_assert((GAME_FILE_BLOCK_COUNT - 1) * GAME_FILE_BLOCK_SIZE + GAME_FILE_LAST_BLOCK_SIZE == LEAGUE_DATA_SIZE);

// Writes through the test fault: a write that would pass the limit fails
// after writing what fits, as a full disk does.
class FILE_WRITER {
public:
    explicit FILE_WRITER(FILE* pFile) : m_pFile(pFile) {}
    bool Write(const void* p, size_t n)
    {
        if (g_nWriteFault >= 0 && m_nWritten + static_cast<long long>(n) > g_nWriteFault) {
            size_t nFits = static_cast<size_t>(std::max(0LL, g_nWriteFault - m_nWritten));
            if (nFits > 0)
                std::fwrite(p, 1, nFits, m_pFile);
            m_nWritten += static_cast<long long>(nFits);
            errno = ENOSPC;
            return false;
        }
        if (std::fwrite(p, 1, n, m_pFile) != n)
            return false;
        m_nWritten += static_cast<long long>(n);
        return true;
    }
    bool Write_Block(const uint8_t* p, uint32_t n)
    {
        uint8_t Length[4] = {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n >> 16),
                             static_cast<uint8_t>(n >> 24)};
        if (!Write(Length, sizeof(Length)) || !Write(p, n))
            return false;
        Start_Writeback();
        return true;
    }

private:
    // Every megabyte or so, the bytes written go on to the disk in the
    // background, so that the closing fsync waits for the last few only.
    // Failures here show in that fsync.
    void Start_Writeback()
    {
        constexpr long long WRITEBACK_STEP = 1 << 20;
        if (m_nWritten - m_nQueued < WRITEBACK_STEP || std::fflush(m_pFile) != 0)
            return;
        ::sync_file_range(::fileno(m_pFile), m_nQueued, m_nWritten - m_nQueued, SYNC_FILE_RANGE_WRITE);
        m_nQueued = m_nWritten;
    }

    FILE* m_pFile;
    long long m_nWritten = 0;
    long long m_nQueued = 0;
};

// One block at the compressor's level as a complete zlib stream: the output
// may be no larger than the input.
bool Deflate_Block(libdeflate_compressor* pCompressor, const uint8_t* pIn, size_t nIn, uint8_t* pOut, uint32_t& nOut)
{
    size_t n = libdeflate_zlib_compress(pCompressor, pIn, nIn, pOut, nIn);
    nOut = static_cast<uint32_t>(n);
    return n != 0;
}

bool Allocation_Fails()
{
    return g_bAllocationFault;
}

void Note_Compress_Failure(int nCause)
{
    int nFine = COMPRESS_FINE;
    g_nCompressFailure.compare_exchange_strong(nFine, nCause);
}

libdeflate_compressor* New_Compressor(int nLevel)
{
    libdeflate_compressor* pCompressor = g_bCompressorFault ? nullptr : libdeflate_alloc_compressor(nLevel);
    if (pCompressor == nullptr)
        Note_Compress_Failure(COMPRESS_NO_MEMORY);
    return pCompressor;
}

// The blocks one after the other through one compressor and one buffer of
// GAME_FILE_LAST_BLOCK_SIZE bytes.
bool Write_Blocks_Single(FILE_WRITER& Writer, const uint8_t* pRegion, int nLevel, bool bProgress, uint8_t* pBuffer)
{
    libdeflate_compressor* pCompressor = New_Compressor(nLevel);
    if (pCompressor == nullptr)
        return false;
    bool bOk = true;
    size_t nOffset = 0;
    for (int k = 0; k < GAME_FILE_BLOCK_COUNT && bOk; ++k) {
        uint32_t nOut = 0;
        if (!Deflate_Block(pCompressor, pRegion + nOffset, Block_Size(k), pBuffer, nOut)) {
            Note_Compress_Failure(COMPRESS_NO_ROOM);
            bOk = false;
        } else {
            bOk = Writer.Write_Block(pBuffer, nOut);
        }
        nOffset += Block_Size(k);
        if (bProgress)
            Step_Progress_Window(1);
    }
    libdeflate_free_compressor(pCompressor);
    return bOk;
}

// The blocks compressed by several threads, each with its own compressor at
// the same level, and written in order by this thread as they
// become ready. A block's stream does not depend on the others, so the file
// is the same as the single-threaded one.
struct PARALLEL_SAVE {
    const uint8_t* pRegion = nullptr;   // the copy the threads compress
    int nLevel = 0;
    std::atomic<int> nNext{0};
    std::atomic<int> nCopied{0};        // blocks of the copy made so far
    std::atomic<bool> bFailed{false};
    std::mutex Lock;
    std::condition_variable Ready;
    std::vector<std::vector<uint8_t>> Output;
    std::vector<int> State;   // 0 waiting, 1 done, -1 failed

    void Work()
    {
        libdeflate_compressor* pCompressor = New_Compressor(nLevel);
        // Each block is compressed into this thread's own buffer and kept at
        // its compressed size, so that no block-sized buffer is made per block.
        std::unique_ptr<uint8_t[]> Buffer(new (std::nothrow) uint8_t[GAME_FILE_LAST_BLOCK_SIZE]);
        if (pCompressor == nullptr || !Buffer) {
            Note_Compress_Failure(COMPRESS_NO_MEMORY);
            libdeflate_free_compressor(pCompressor);
            Fail_All();
            return;
        }
        for (;;) {
            int k = nNext.fetch_add(1);
            if (k >= GAME_FILE_BLOCK_COUNT || bFailed.load())
                break;
            // The copy is made block by block while the first blocks compress.
            while (nCopied.load(std::memory_order_acquire) <= k)
                std::this_thread::yield();
            uint32_t nOut = 0;
            std::vector<uint8_t> Block;
            bool bOk = Deflate_Block(pCompressor, pRegion + k * GAME_FILE_BLOCK_SIZE, Block_Size(k), Buffer.get(), nOut);
            if (!bOk)
                Note_Compress_Failure(COMPRESS_NO_ROOM);
            if (bOk) {
                try {
                    Block.assign(Buffer.get(), Buffer.get() + nOut);
                } catch (const std::bad_alloc&) {
                    Note_Compress_Failure(COMPRESS_NO_MEMORY);
                    bOk = false;
                }
            }
            {
                std::lock_guard<std::mutex> Guard(Lock);
                if (bOk)
                    Output[k] = std::move(Block);
                State[k] = bOk ? 1 : -1;
                if (!bOk)
                    bFailed = true;
            }
            Ready.notify_all();
        }
        libdeflate_free_compressor(pCompressor);
    }

    void Fail_All()
    {
        {
            std::lock_guard<std::mutex> Guard(Lock);
            bFailed = true;
        }
        Ready.notify_all();
    }
};

constexpr int MAX_THREADS = 8;

// The threads that compress a save and inflate a load.
int Thread_Count()
{
    if (g_nThreadCount > 0)
        return g_nThreadCount;
    unsigned n = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(n, 1u, static_cast<unsigned>(MAX_THREADS)));
}

// The threads of a parallel save: started before the progress window opens,
// with the copy of the league made (block by block, the threads compressing
// behind it) by the time Start returns; stopped, if still running, when the
// save ends.
class PARALLEL_SAVER {
public:
    ~PARALLEL_SAVER()
    {
        m_Save.Fail_All();
        for (std::thread& Thread : m_Threads)
            Thread.join();
    }

    // False when the save cannot go on; nFingerprint receives the copy's
    // fingerprint, taken while the threads compress.
    bool Start(const uint8_t* pLeague, uint8_t* pCopy, int nLevel, uint64_t& nFingerprint)
    {
        m_Save.pRegion = pCopy;
        m_Save.nLevel = nLevel;
        try {
            if (g_bSaverStartFault)
                throw std::bad_alloc();
            m_Save.Output.resize(GAME_FILE_BLOCK_COUNT);
            m_Save.State.assign(GAME_FILE_BLOCK_COUNT, 0);
        } catch (const std::bad_alloc&) {
            Note_Compress_Failure(COMPRESS_NO_MEMORY);
            return false;
        }
        try {
            for (int i = 0; i < Thread_Count(); ++i)
                m_Threads.emplace_back([this] { m_Save.Work(); });
        } catch (const std::system_error&) {
            // Fewer threads than asked for still finish every block.
        }
        size_t nOffset = 0;
        for (int k = 0; k < GAME_FILE_BLOCK_COUNT; ++k) {
            std::memcpy(pCopy + nOffset, pLeague + nOffset, Block_Size(k));
            nOffset += Block_Size(k);
            m_Save.nCopied.store(k + 1, std::memory_order_release);
        }
        if (m_Threads.empty())
            m_Save.Work();
        nFingerprint = Fingerprint(pCopy, LEAGUE_DATA_SIZE);
        return true;
    }

    // Writes the blocks in order as they become ready.
    bool Write(FILE_WRITER& Writer, bool bProgress)
    {
        PARALLEL_SAVE& Save = m_Save;
        bool bOk = true;
        for (int k = 0; k < GAME_FILE_BLOCK_COUNT && bOk; ++k) {
            std::vector<uint8_t> Block;
            {
                std::unique_lock<std::mutex> Guard(Save.Lock);
                Save.Ready.wait(Guard, [&] { return Save.State[k] != 0 || Save.bFailed.load(); });
                if (Save.State[k] != 1) {
                    bOk = false;
                    break;
                }
                Block = std::move(Save.Output[k]);
            }
            if (!Writer.Write_Block(Block.data(), static_cast<uint32_t>(Block.size()))) {
                bOk = false;
                Save.Fail_All();
            }
            if (bProgress)
                Step_Progress_Window(1);
        }
        return bOk;
    }

private:
    PARALLEL_SAVE m_Save;
    std::vector<std::thread> m_Threads;
};

// One thread compresses the league in place; several need a copy.
bool Use_Parallel_Save()
{
    return Thread_Count() > 1;
}

// ---------------------------------------------------------------------------
// Loading

// The fast way to read a file as this program writes it: the rest of the
// file read at once, then its blocks inflated by several threads, each block
// into its own place. Returns how many leading blocks hold a complete stream
// of exactly their standard size, which is what the block by block reading
// below makes of them too; nConsumed receives the file bytes those blocks
// take. The caller reads on block by block from there, so that its checks
// judge the first block that is not standard (a damaged block, an odd
// length, a short file) exactly as before. Returns -1, inflating nothing,
// when the block by block reading is bound to fail: a block whose length
// cannot be read or is out of bounds comes before the blocks could fill the
// league block, however much each yields; nConsumed then receives the
// number of the block (from 0) whose length failed.
constexpr int CANNOT_FILL = -1;

int Read_Standard_Blocks(FILE* pFile, uint8_t* pDestination, long long nRemaining, long long& nConsumed)
{
    constexpr size_t MAX_STANDARD_FILE = GAME_FILE_BLOCK_COUNT * (4 + GAME_FILE_READ_BUFFER_SIZE);
    nConsumed = 0;
    const size_t nRead = static_cast<size_t>(std::min<long long>(nRemaining, MAX_STANDARD_FILE));
    std::unique_ptr<uint8_t[]> Data(new (std::nothrow) uint8_t[nRead + 1]);
    if (!Data || std::fread(Data.get(), 1, nRead, pFile) != nRead)
        return 0;

    const uint8_t* Block[GAME_FILE_BLOCK_COUNT];
    uint32_t nLength[GAME_FILE_BLOCK_COUNT];
    int nBlocks = 0;
    for (size_t nAt = 0; nBlocks < GAME_FILE_BLOCK_COUNT && nRead - nAt >= 4; ++nBlocks) {
        const uint8_t* p = Data.get() + nAt;
        uint32_t n = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
        if (n > GAME_FILE_READ_BUFFER_SIZE || n > nRead - nAt - 4)
            break;
        Block[nBlocks] = p + 4;
        nLength[nBlocks] = n;
        nAt += 4 + n;
    }
    if (nBlocks < GAME_FILE_BLOCK_COUNT && static_cast<size_t>(nBlocks) * GAME_FILE_READ_BUFFER_SIZE < LEAGUE_DATA_SIZE) {
        nConsumed = nBlocks;
        return CANNOT_FILL;
    }

    std::atomic<int> nNext{0};
    std::atomic<int> nFirstBad{nBlocks};
    auto Work = [&] {
        libdeflate_decompressor* pDecompressor = libdeflate_alloc_decompressor();
        if (pDecompressor == nullptr) {
            nFirstBad = 0;
            return;
        }
        for (int k; (k = nNext.fetch_add(1)) < nFirstBad.load();) {
            size_t nIn = 0, nOut = 0;
            libdeflate_result nResult =
                libdeflate_zlib_decompress_ex(pDecompressor, Block[k], nLength[k],
                                              pDestination + static_cast<size_t>(k) * GAME_FILE_BLOCK_SIZE,
                                              Block_Size(k), &nIn, &nOut);
            if (nResult != LIBDEFLATE_SUCCESS || nOut != Block_Size(k)) {
                int nBad = nFirstBad.load();
                while (k < nBad && !nFirstBad.compare_exchange_weak(nBad, k)) {
                }
            }
        }
        libdeflate_free_decompressor(pDecompressor);
    };
    std::vector<std::thread> Threads;
    try {
        for (int i = 1; i < std::min(Thread_Count(), nBlocks); ++i)
            Threads.emplace_back(Work);
    } catch (const std::system_error&) {
        // Fewer threads still inflate every block.
    }
    Work();
    for (std::thread& Thread : Threads)
        Thread.join();
    // Every block before the first bad one was claimed, and so inflated.
    const int nGood = nFirstBad.load();
    for (int k = 0; k < nGood; ++k)
        nConsumed += 4 + static_cast<long long>(nLength[k]);
    return nGood;
}

// What went wrong with block nBlock (from 0), in words, when pWhy is given.
void Say_Block_Failure(std::string* pWhy, int nBlock, const std::string& What)
{
    if (pWhy != nullptr)
        *pWhy = "block " + std::to_string(nBlock + 1) + " of " + std::to_string(GAME_FILE_BLOCK_COUNT) + " " + What;
}

// Reads the blocks; nFilled receives the bytes the blocks filled. 1 on
// success; 0 on a damaged or short block, with *pWhy (when given) saying
// which block and how; BLOCKS_CUT_SHORT when the block lengths end before
// the blocks could fill the league (nothing inflated).
constexpr int BLOCKS_CUT_SHORT = -2;

int Read_Blocks(FILE* pFile, uint8_t* pDestination, const char* szCaption, size_t& nFilled,
                std::string* pWhy = nullptr)
{
    nFilled = 0;
    // Kept from load to load, as the scratch block is.
    static std::unique_ptr<uint8_t[]> Buffer;
    if (!Buffer)
        Buffer.reset(new (std::nothrow) uint8_t[GAME_FILE_READ_BUFFER_SIZE]);
    if (!Buffer) {
        Show_Formatted_Message("Insufficient Memory", "%s", "Please try closing one or more programs and trying again.");
        if (pWhy != nullptr)
            *pWhy = "there is no memory to read its blocks";
        return 0;
    }
    bool bProgress = szCaption != nullptr && szCaption[0] != '\0' && Open_Progress_Window(szCaption, 100) != 0;

    // What the file still holds after the head: no block may claim more.
    long long nRemaining = -1;
    struct stat Info;
    off_t nPosition = ::ftello(pFile);
    if (nPosition >= 0 && ::fstat(::fileno(pFile), &Info) == 0 && S_ISREG(Info.st_mode))
        nRemaining = static_cast<long long>(Info.st_size) - nPosition;

    // The standard blocks at the start go the fast way; the reading below
    // goes on from the first other one.
    int nFirstBlock = 0;
    if (nRemaining >= 0) {
        long long nConsumed = 0;
        nFirstBlock = Read_Standard_Blocks(pFile, pDestination, nRemaining, nConsumed);
        if (nFirstBlock == CANNOT_FILL) {
            if (pWhy != nullptr)
                *pWhy = "the file is cut short or damaged: its block lengths end at block " +
                        std::to_string(nConsumed + 1) + " of " + std::to_string(GAME_FILE_BLOCK_COUNT) +
                        ", before its blocks could fill the league";
            if (bProgress) {
                Close_Progress_Window();
                Pump_Messages();
            }
            return BLOCKS_CUT_SHORT;
        }
        if (bProgress) {
            for (int nBlock = 0; nBlock < nFirstBlock; ++nBlock)
                Step_Progress_Window(1);
        }
        nRemaining -= nConsumed;
        if (::fseeko(pFile, nPosition + static_cast<off_t>(nConsumed), SEEK_SET) != 0) {
            if (pWhy != nullptr)
                *pWhy = std::string("the file cannot be read on (") + std::strerror(errno) + ")";
            if (bProgress) {
                Close_Progress_Window();
                Pump_Messages();
            }
            return 0;
        }
    }

    bool bOk = true;
    size_t nOffset = 0;
    for (int k = 0; k < nFirstBlock; ++k)
        nOffset += Block_Size(k);
    for (int nBlock = nFirstBlock; nOffset < LEAGUE_DATA_SIZE && nBlock < GAME_FILE_BLOCK_COUNT; ++nBlock) {
        uint8_t Length[4];
        if (std::fread(Length, 1, sizeof(Length), pFile) != sizeof(Length)) {
            Say_Block_Failure(pWhy, nBlock,
                              "is missing: the file ends before it (the data blocks fill " + std::to_string(nOffset) +
                                  " bytes of " + std::to_string(LEAGUE_DATA_SIZE) + ")");
            bOk = false;
            break;
        }
        uint32_t n = Length[0] | (Length[1] << 8) | (Length[2] << 16) | (static_cast<uint32_t>(Length[3]) << 24);
        if (nRemaining >= 0)
            nRemaining -= static_cast<long long>(sizeof(Length));
        if (n > GAME_FILE_READ_BUFFER_SIZE) {
            Say_Block_Failure(pWhy, nBlock,
                              "claims " + std::to_string(n) + " bytes, more than a block may hold (" +
                                  std::to_string(GAME_FILE_READ_BUFFER_SIZE) + ")");
            bOk = false;
            break;
        }
        if (nRemaining >= 0 && static_cast<long long>(n) > nRemaining) {
            Say_Block_Failure(pWhy, nBlock,
                              "is cut short: it claims " + std::to_string(n) + " bytes, and the file holds " +
                                  std::to_string(nRemaining) + " more");
            bOk = false;
            break;
        }
        if (std::fread(Buffer.get(), 1, n, pFile) != n) {
            if (std::ferror(pFile) && pWhy != nullptr)
                *pWhy = std::string("the file cannot be read (") + std::strerror(errno) + ")";
            else
                Say_Block_Failure(pWhy, nBlock, "is cut short: the file ends inside it");
            bOk = false;
            break;
        }
        if (nRemaining >= 0)
            nRemaining -= n;
        z_stream Stream{};
        if (inflateInit(&Stream) != Z_OK) {
            Say_Block_Failure(pWhy, nBlock, "cannot be inflated: there is no memory for it");
            bOk = false;
            break;
        }
        Stream.next_in = Buffer.get();
        Stream.avail_in = n;
        Stream.next_out = pDestination + nOffset;
        Stream.avail_out = static_cast<uInt>(std::min(GAME_FILE_READ_BUFFER_SIZE, LEAGUE_DATA_SIZE - nOffset));
        int nResult = inflate(&Stream, Z_FINISH);
        size_t nOut = Stream.total_out;
        // A stream that did not end within its room would have written past
        // the block or the region.
        if (nResult != Z_STREAM_END && pWhy != nullptr) {
            if (nResult == Z_BUF_ERROR && Stream.avail_out == 0)
                Say_Block_Failure(pWhy, nBlock, "inflates to more than its room in the league");
            else if (nResult == Z_BUF_ERROR)
                Say_Block_Failure(pWhy, nBlock, "is damaged: its compressed data end too soon");
            else
                Say_Block_Failure(pWhy, nBlock,
                                  std::string("is damaged: its compressed data do not inflate (") +
                                      (Stream.msg != nullptr ? Stream.msg : zError(nResult)) + ")");
        }
        inflateEnd(&Stream);
        if (nResult != Z_STREAM_END) {
            bOk = false;
            break;
        }
        nOffset += nOut;
        if (bProgress)
            Step_Progress_Window(1);
    }
    if (bProgress) {
        Close_Progress_Window();
        Pump_Messages();
    }
    nFilled = nOffset;
    return bOk ? 1 : 0;
}

// Keeps why a load failed, for the box and the script's line, and says it in
// the log.
void Note_Load_Failure(const char* szPath, const std::string& Why)
{
    g_LastLoadFailure = Why;
    Write_Notice("Loading \"%s\" failed: %s.", szPath, Why.c_str());
}

// The version as the program names it: three decimals on the older line
// ("V8.510"), two on the current one ("V21.00").
std::string Version_Name(int nVersion)
{
    char szName[32];
    if (nVersion >= OLDER_LINE_FIRST_VERSION)
        std::snprintf(szName, sizeof(szName), "V%d.%03d", nVersion / 1000, nVersion % 1000);
    else
        std::snprintf(szName, sizeof(szName), "V%d.%02d", nVersion / 100, nVersion % 100);
    return szName;
}

// The least the blocks must fill for the layout the version names.
size_t Layout_Size(int nVersion)
{
    if (nVersion >= OLDER_LINE_FIRST_VERSION && nVersion <= OLDER_LINE_LAST_GAME_VERSION)
        return OLD_GAME_REGION_SIZE;
    if (nVersion > UNSUPPORTED_VERSION && nVersion <= OLD_UNIVERSE_LAST_VERSION)
        return OLD_UNIVERSE_REGION_SIZE;
    return LEAGUE_DATA_SIZE;
}

// The steps that follow the copy of a file into the league, by version.
void Run_Load_Repairs(int nVersion)
{
    const bool bOlderLine = nVersion >= OLDER_LINE_FIRST_VERSION;
    if (bOlderLine && nVersion <= DEFAULT_SETTINGS_LAST_VERSION)
        Set_Default_Settings();
    Build_Player_Name_Hash();
    Build_Corvel_ID_Hash();
    Build_Player_ID_Hash();
    Remove_Players_Without_Position();
    if (nVersion < OLD_PLAYER_RATINGS_VERSION)
        Convert_Old_Player_Ratings();
    if (bOlderLine && nVersion <= OLD_DRAFT_POOL_LAST_VERSION &&
        Get_Current_Week() >= Get_First_Playoff_Week() && Check_Draft_Pool() == 0)
        Prepare_Draft_Pool();
    Set_Universe_Word(UNIVERSE_OPTION_2066, 1);
    Erase_Unlinked_Season_Lines();

    if (bOlderLine)
        Run_Older_Line_Fix_Ups(nVersion);
    else
        Run_Current_Line_Fix_Ups(nVersion);

    if (nVersion < PREFERENCES_65_69_VERSION) {
        for (int n = 65; n <= 69; ++n)
            Set_User_Preference(n, 20);
    }
    if (nVersion < CLICK_PAUSE_VERSION)
        Set_Universe_Word(CLICK_TO_CONTINUE_WORD, 1);
    if (nVersion < STAT_BYTES_VERSION) {
        Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, Get_Current_Year() < 1974 ? 1 : 0);
        Refresh_Player_Stat_Bytes();
    }
    Recount_Wild_Card_Teams_And_Tell(Get_Universe_Stat(WILD_CARD_TEAMS));
    if (Count_College_Players() == 0 && Check_Draft_Pool() == 0 && Get_Current_Week() < Get_First_Playoff_Week())
        Prepare_Draft_Pool();
    Relink_Games_And_Records();
    Set_Draft_Order();
    Check_Receiver_Statistics();
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    Recount_Season_Records();
}

}  // namespace

// ---------------------------------------------------------------------------
// Head and version

int Format_Save_File_Header(char* szBuffer, size_t nBufferSize)
{
    if (szBuffer == nullptr || nBufferSize == 0)
        return 0;
    int n = std::snprintf(szBuffer, nBufferSize, "%s%04d%4s%c%c", GAME_FILE_TAG, GAME_FILE_VERSION, "    ", 'C', 'c');
    return n < 0 ? 0 : static_cast<int>(std::min(static_cast<size_t>(n), nBufferSize - 1));
}

int Parse_Game_File_Version(const char* szDigits)
{
    if (szDigits == nullptr)
        return -1;
    int d[4];
    for (int i = 0; i < 4; ++i) {
        if (szDigits[i] < '0' || szDigits[i] > '9')
            return -1;
        d[i] = szDigits[i] - '0';
    }
    int v = 10 * (100 * d[0] + 10 * d[1] + d[2]);
    if (v > 2170)
        v += d[3];
    return v;
}

// ---------------------------------------------------------------------------
// Saving

int Save_Game(const char* szPath)
{
    g_nLastSaveError = 0;
    g_nCompressFailure = COMPRESS_FINE;
    if (szPath == nullptr || szPath[0] == '\0') {
        g_nLastSaveError = ENOENT;
        return SAVE_GAME_CANNOT_CREATE;
    }
    const bool bAutoSave = std::strcmp(szPath, AUTO_SAVE_FILE) == 0;
    const int nLevel = bAutoSave ? GAME_FILE_AUTO_SAVE_LEVEL : GAME_FILE_SAVE_LEVEL;

    // The compression buffer must exist before anything is touched.
    std::unique_ptr<uint8_t[]> Buffer;
    if (!Allocation_Fails())
        Buffer.reset(new (std::nothrow) uint8_t[GAME_FILE_LAST_BLOCK_SIZE]);
    if (!Buffer) {
        g_nLastSaveError = ENOMEM;
        Show_Formatted_Message(MEMORY_ERROR_CAPTION, "%s", MEMORY_ERROR_TEXT);
        return SAVE_GAME_NO_MEMORY;
    }

    // The checksum goes into the file; it stays in memory only if the save succeeds.
    const int32_t nOldChecksum = League.Preferences.nInt[PREF_SAVED_CHECKSUM];
    League.Preferences.nInt[PREF_SAVED_CHECKSUM] = static_cast<int32_t>(Compute_Game_Data_Checksum());

    // The data go to a new file of a unique name beside the old one, so that
    // neither a second writer nor a crash can leave a file of mixed bytes.
    const std::string Target = files::Resolve_Path(szPath);
    std::string Temporary;
    FILE* pFile = nullptr;
    if (g_nCreateFault != 0)
        errno = g_nCreateFault;
    else
        pFile = files::Create_Temporary_File(Target.c_str(), Temporary);
    if (pFile == nullptr) {
        g_nLastSaveError = errno;
        League.Preferences.nInt[PREF_SAVED_CHECKSUM] = nOldChecksum;
        return SAVE_GAME_CANNOT_CREATE;
    }

    // Several threads compress a copy taken now, so that nothing done while
    // the progress window is up can change bytes under them. Without the
    // memory for it the league is compressed in place by one thread.
    // What the file holds, for the question whether the league changed since.
    uint64_t nSavedFingerprint = 0;
    PARALLEL_SAVER Saver;
    uint8_t* pCopy = Use_Parallel_Save() ? Load_Scratch().get() : nullptr;
    bool bStarted = pCopy != nullptr && Saver.Start(League_Bytes(), pCopy, nLevel, nSavedFingerprint);
    int nError = 0;
    if (pCopy != nullptr && !bStarted) {
        files::Finish_Temporary_File(pFile, Temporary, Target.c_str(), false, false);
        League.Preferences.nInt[PREF_SAVED_CHECKSUM] = nOldChecksum;
        g_nLastSaveError = ENOMEM;
        return SAVE_GAME_WRITE_FAILED;
    }
    if (pCopy == nullptr)
        nSavedFingerprint = Fingerprint(League_Bytes(), LEAGUE_DATA_SIZE);

    const bool bProgress = !bAutoSave && Open_Progress_Window("Compressing...", 100) != 0;

    char szHead[GAME_FILE_HEAD_SIZE] = {};
    Format_Save_File_Header(szHead, GAME_FILE_HEAD_TEXT_SIZE);
    FILE_WRITER Writer(pFile);
    errno = 0;
    bool bOk = Writer.Write(szHead, GAME_FILE_HEAD_SIZE);
    if (bOk) {
        bOk = pCopy != nullptr ? Saver.Write(Writer, bProgress)
                               : Write_Blocks_Single(Writer, League_Bytes(), nLevel, bProgress, Buffer.get());
    }
    if (!bOk)
        nError = errno;
    // The data are on the disk (fsync) before the name points at them, and
    // the rename is made to last.
    errno = nError;
    if (files::Finish_Temporary_File(pFile, Temporary, Target.c_str(), bOk, true) != files::REPLACE_DONE) {
        if (nError == 0)
            nError = errno;
        bOk = false;
    }

    if (bProgress) {
        Close_Progress_Window();
        Pump_Messages();
    }
    if (!bOk) {
        League.Preferences.nInt[PREF_SAVED_CHECKSUM] = nOldChecksum;
        // A compression that failed set no errno: its own cause counts.
        if (g_nCompressFailure != COMPRESS_FINE)
            nError = g_nCompressFailure == COMPRESS_NO_MEMORY ? ENOMEM : 0;
        g_nLastSaveError = nError;
        return SAVE_GAME_WRITE_FAILED;
    }
    g_nFingerprint = nSavedFingerprint;
    g_bHaveFingerprint = true;
    return SAVE_GAME_OK;
}

int Get_Last_Save_Error()
{
    return g_nLastSaveError;
}

std::string Get_Last_Save_Cause()
{
    if (g_nLastSaveError == ENOMEM)
        return "out of memory";
    if (g_nLastSaveError != 0)
        return std::strerror(g_nLastSaveError);
    if (g_nCompressFailure == COMPRESS_NO_ROOM)
        return "the league's data do not compress into the room a block of the file has";
    return std::string();
}

int Write_Universe_Database_File(int nYear)
{
    char szPath[64];
    std::snprintf(szPath, sizeof(szPath), UNIVERSE_DATABASE_FORMAT, nYear);
    return Save_Game(szPath);
}

// ---------------------------------------------------------------------------
// Loading

int Read_Game_Data_Blocks(FILE* pFile, void* pDestination, const char* szCaption)
{
    if (pFile == nullptr || pDestination == nullptr)
        return 0;
    size_t nFilled = 0;
    return Read_Blocks(pFile, static_cast<uint8_t*>(pDestination), szCaption, nFilled) == 1 ? 1 : 0;
}

int Load_Game_File(const char* szPath)
{
    g_LastLoadFailure.clear();
    if (szPath == nullptr) {
        g_LastLoadFailure = "no file was named";
        return 0;
    }
    FILE* pFile = files::Open_File(szPath, "rb");
    if (pFile == nullptr) {
        // The system's own words for the cause: a missing file is a damaged
        // installation, anything else (a folder, no permission) is not.
        const int nError = errno;
        Note_Load_Failure(szPath, nError == ENOENT   ? "there is no such file"
                                  : nError == EISDIR ? "it is a folder, not a file"
                                                     : files::Error_Text(nError));
        if (nError == ENOENT)
            Show_Formatted_Message("File Load Error", "Couldn't open \"%s\".\n\nPlease re-install Vazarudu Kelvo.",
                                   szPath);
        else if (nError == EISDIR)
            Show_Formatted_Message("File Load Error", "Couldn't open \"%s\": it is a folder, not a saved game.",
                                   szPath);
        else
            Show_Formatted_Message("File Load Error", "Couldn't open \"%s\" (%s).", szPath, files::Error_Text(nError));
        return 0;
    }
    char Head[17] = {};
    size_t nHead = std::fread(Head, 1, sizeof(Head), pFile);
    int nVersion = nHead == sizeof(Head) ? Parse_Game_File_Version(Head + GAME_FILE_TAG_SIZE) : -1;
    if (std::memcmp(Head, GAME_FILE_TAG, GAME_FILE_TAG_SIZE) != 0 || nVersion < 0) {
        if (nHead != sizeof(Head))
            Note_Load_Failure(szPath, "the file ends after " + std::to_string(nHead) + " bytes, inside its head");
        else
            Note_Load_Failure(szPath, std::string("its head is not \"") + GAME_FILE_TAG +
                                          "\" and four version digits: it is no game file, or its head is damaged");
        Show_Formatted_Message("Read Error", "The file \"%s\" is not a valid %s file.", szPath, PRODUCT_NAME);
        std::fclose(pFile);
        return 0;
    }
    char Rest[GAME_FILE_HEAD_SIZE - sizeof(Head)];
    if (std::fread(Rest, 1, sizeof(Rest), pFile) != sizeof(Rest)) {
        Note_Load_Failure(szPath, "the file ends inside its " + std::to_string(GAME_FILE_HEAD_SIZE) + "-byte head");
        std::fclose(pFile);
        return 0;
    }

    char szGameCaption[64];
    std::snprintf(szGameCaption, sizeof(szGameCaption), "Loading Game (v%s)", Version_Name(nVersion).c_str() + 1);
    Debug_Printf("%s", szGameCaption);
    const char* szCaption = Is_Startup_Database(szPath) ? "Loading Database..." : szGameCaption;

    // Nothing of an unsupported file is used, so its length does not matter.
    if (nVersion == UNSUPPORTED_VERSION) {
        std::fclose(pFile);
        Note_Load_Failure(szPath, "files of version " + Version_Name(nVersion) + " are not supported");
        Show_Formatted_Message("Unsupported Version", "Unable to load V%d.%03d zrt file.  Please start a new game.",
                               nVersion / 1000, nVersion % 1000);
        return 0;
    }
    // Nor of a version this program does not know: whatever a newer program
    // (or a damaged head) put there, its layout is not known to be this one.
    if (!Is_Known_Game_File_Version(nVersion)) {
        std::fclose(pFile);
        // Both lines are named: "V9.999" reads as older than "V21.00".
        Note_Load_Failure(szPath, "its head names version " + Version_Name(nVersion) +
                                      ", which this program does not know (it reads its own versions up to " +
                                      Version_Name(CURRENT_LINE_LAST_VERSION) + " and the older line's from " +
                                      Version_Name(OLDER_LINE_FIRST_VERSION) + " to " +
                                      Version_Name(OLDER_LINE_LAST_VERSION) +
                                      "): it was written by a newer program, or its head is damaged");
        return 0;
    }

    // The file is read and checked in a scratch block; the league changes
    // only once the whole file has read cleanly. The block is kept for the
    // next load: its pages are then in memory already.
    SCRATCH& Scratch = Load_Scratch();
    if (!Scratch) {
        Note_Load_Failure(szPath, "there is no memory for the " + std::to_string(LEAGUE_DATA_SIZE) + "-byte scratch block");
        Show_Formatted_Message("Insufficient Memory", "%s", "Please try closing one or more programs and trying again.");
        std::fclose(pFile);
        return 0;
    }
    size_t nFilled = 0;
    std::string Why;
    int nRead = Read_Blocks(pFile, Scratch.get(), szCaption, nFilled, &Why);
    std::fclose(pFile);
    // A file that fills less than its own layout is cut short.
    if (nRead != 1 || nFilled < Layout_Size(nVersion)) {
        if (nRead == BLOCKS_CUT_SHORT || nRead == 0)
            Note_Load_Failure(szPath, Why.empty() ? "a data block is damaged or cut short" : Why);
        else
            Note_Load_Failure(szPath, "the data blocks hold " + std::to_string(nFilled) + " bytes; version " +
                                          Version_Name(nVersion) + " needs " +
                                          std::to_string(Layout_Size(nVersion)));
        return 0;
    }
    // An older layout fills less than the block; the rest starts empty.
    if (nFilled < LEAGUE_DATA_SIZE)
        std::memset(Scratch.get() + nFilled, 0, LEAGUE_DATA_SIZE - nFilled);

    if (nVersion >= OLDER_LINE_FIRST_VERSION && nVersion <= OLDER_LINE_LAST_GAME_VERSION) {
        if (!Convert_Old_Game(Scratch.get())) {
            Note_Load_Failure(szPath, "its older game layout (version " + Version_Name(nVersion) +
                                          ") could not be converted");
            return 0;
        }
    } else if (nVersion > UNSUPPORTED_VERSION && nVersion < CHECKSUM_FIRST_VERSION) {
        if (!Convert_Old_Universe(Scratch.get())) {
            Note_Load_Failure(szPath, "its older league layout (version " + Version_Name(nVersion) +
                                          ") could not be converted");
            return 0;
        }
    } else if (nVersion >= CHECKSUM_FIRST_VERSION) {
        if (static_cast<uint32_t>(Region_Preference(Scratch.get(), PREF_SAVED_CHECKSUM)) != Region_Checksum(Scratch.get())) {
            Write_Notice("Loading \"%s\": the stored checksum does not match the data; loaded all the same.", szPath);
            Show_Formatted_Message("Load Game Warning", "%s",
                                   "Game data has changed since last written to disk.\n\nThe file may have been edited, or corrupted.");
        }
    }

    const std::string Refusal = Find_League_Refusal(*reinterpret_cast<const LEAGUE_DATA*>(Scratch.get()));
    if (!Refusal.empty()) {
        Note_Load_Failure(szPath, Refusal);
        return 0;
    }

    std::memcpy(League_Bytes(), Scratch.get(), LEAGUE_DATA_SIZE);
    // The ratings are the league's only floats: no value of the file reaches
    // the repairs or any integer conversion outside their range.
    Hold_Player_Ratings_To_Storage_Range();

    // A file written during a run (the automatic save of the day loop) does
    // not load as a run still under way. The resume flag (preference 20) is
    // kept: the Save dialog sets it for a watched game, so that Resume plays
    // that game on.
    League.Preferences.nInt[PREF_SIMULATION_RUNNING] = 0;
    // A file saved inside a day advance must not leave the next one refused.
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);

    if (g_bLoadSequence) {
        // Nor does any other value the program computes with.
        if (const int nHeld = Hold_Loaded_Values_To_Range(); nHeld > 0)
            Write_Notice("Loading \"%s\": %d values outside the ranges of their records were held to them.", szPath,
                         nHeld);
        Run_Load_Repairs(nVersion);
    }
    return nRead;
}

int Load_Universe_Database(const char* szPath)
{
    // Count_Teams counts afresh on every call, so there is no cached count to
    // mark stale here.
    const bool bWasLoaded = g_bLeagueLoaded;
    g_bLeagueLoaded = false;
    if (szPath == nullptr || !Load_Game_File(szPath)) {
        // The league in memory is the one from before the attempt.
        g_bLeagueLoaded = bWasLoaded;
        if (!bWasLoaded) {
            // No league to show: the first page, which needs none.
            Set_User_Preference(PREF_MAIN_PAGE, 0);
            Request_Main_Window_Repaint();
        }
        // The reason follows the box's own words, as a sentence.
        std::string Reason = g_LastLoadFailure;
        if (!Reason.empty())
            Reason = "\n\n" + std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(Reason[0])))) +
                     Reason.substr(1) + ".";
        if (szPath != nullptr && Is_Startup_Database(szPath))
            Show_Formatted_Message("Read Error", "Couldn't load game data. Please re-install %s.%s", PRODUCT_NAME,
                                   Reason.c_str());
        else
            Show_Formatted_Message("Read Error",
                                   "Couldn't load the game \"%s\".\n\nThere was an error in reading the file.%s",
                                   szPath != nullptr ? szPath : "", Reason.c_str());
        return 0;
    }

    g_bLeagueLoaded = true;
    Invalidate_Career_Leaders_Snapshot();
    // The computer's draft picks keep figures by player ID; another league
    // (or a new game made from a database) may reuse those IDs.
    Forget_Fantasy_Pick_Values();
    if (League.Preferences.nInt[PREF_SEASON_INDEX] >= YEAR_AS_SEASON_INDEX) {
        League.Universe.nStat[FIRST_SEASON_YEAR] = YEAR_AS_SEASON_BASE;
        League.Preferences.nInt[PREF_SEASON_INDEX] -= YEAR_AS_SEASON_BASE;
    }
    League.Preferences.nInt[PREF_TRADE_ATTEMPTS] = 0;
    League.Preferences.nInt[PREF_ANIMATION_MODE] = 0;

    if (g_bLoadSequence) {
        Sort_Teams_By_City();
        Count_Teams();
        Build_Player_Name_Hash();
        Build_Corvel_ID_Hash();
        Build_Player_ID_Hash();
        Rename_Draft_Menu_Items(League.Universe.nStat[FANTASY_DRAFT_RUNNING] >= 1 ? 1 : 0);
        Update_Leader_Lists(2);
        Build_All_Time_Leader_Tables();
        Repair_Player_Ratings();
        Sanity_Check_Player_IDs();
        Fix_Low_Speed_Ratings();
    }
    Remember_League_Fingerprint();
    return 1;
}

std::string Get_Last_Load_Failure()
{
    return g_LastLoadFailure;
}

bool Is_Known_Game_File_Version(int nVersion)
{
    if (nVersion < 0)
        return false;
    if (nVersion < OLDER_LINE_FIRST_VERSION)
        return nVersion <= CURRENT_LINE_LAST_VERSION;
    return nVersion <= OLDER_LINE_LAST_VERSION;
}

int Is_League_Loaded()
{
    return g_bLeagueLoaded ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Checksum and unsaved changes

uint32_t Compute_Game_Data_Checksum()
{
    return Region_Checksum(League_Bytes());
}

int Get_Saved_Data_Checksum()
{
    return League.Preferences.nInt[PREF_SAVED_CHECKSUM];
}

void Set_Saved_Data_Checksum(int nValue)
{
    League.Preferences.nInt[PREF_SAVED_CHECKSUM] = nValue;
}

void Remember_League_Fingerprint()
{
    g_nFingerprint = Fingerprint(League_Bytes(), LEAGUE_DATA_SIZE);
    g_bHaveFingerprint = true;
}

int Has_League_Changed()
{
    // A league never loaded nor saved has nothing on disk to match.
    if (!g_bHaveFingerprint)
        return 1;
    return Fingerprint(League_Bytes(), LEAGUE_DATA_SIZE) != g_nFingerprint ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Texts

namespace {

int Copy_Field(char* pField, size_t nField, const char* szText)
{
    std::memset(pField, 0, nField);
    if (szText == nullptr)
        return 0;
    size_t n = ::strnlen(szText, nField);
    bool bFits = n < nField;
    std::memcpy(pField, szText, bFits ? n : nField - 1);
    return bFits ? 1 : 0;
}

void Copy_Out(char* szBuffer, size_t nBufferSize, const char* pField, size_t nField)
{
    if (szBuffer == nullptr || nBufferSize == 0)
        return;
    size_t n = ::strnlen(pField, nField);
    n = std::min(n, nBufferSize - 1);
    std::memcpy(szBuffer, pField, n);
    szBuffer[n] = '\0';
}

}  // namespace

int Set_Current_Game_Path(const char* szPath)
{
    return Copy_Field(League.szCurrentGamePath, sizeof(League.szCurrentGamePath), szPath);
}

void Get_Current_Game_Path(char* szBuffer, size_t nBufferSize)
{
    Copy_Out(szBuffer, nBufferSize, League.szCurrentGamePath, sizeof(League.szCurrentGamePath));
}

int Set_Current_Game_Text(const char* szText)
{
    return Copy_Field(League.szCurrentGameText, sizeof(League.szCurrentGameText), szText);
}

// ---------------------------------------------------------------------------
// Test hooks

void Set_Save_Write_Fault(long long nBytes)
{
    g_nWriteFault = nBytes;
}

void Set_Save_Create_Fault(int nError)
{
    g_nCreateFault = nError;
}

void Set_Save_Allocation_Fault(bool bFail)
{
    g_bAllocationFault = bFail;
}

void Set_Save_Saver_Start_Fault(bool bFail)
{
    g_bSaverStartFault = bFail;
}

void Set_Save_Compressor_Fault(bool bFail)
{
    g_bCompressorFault = bFail;
}

void Set_Load_Sequence_Enabled(bool bEnabled)
{
    g_bLoadSequence = bEnabled;
}

void Set_Game_File_Threads(int nThreads)
{
    g_nThreadCount = std::clamp(nThreads, 0, MAX_THREADS);
}
