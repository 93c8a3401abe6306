// Switches the tests, the benchmarks and the fuzz target use to reach the
// game file's failure paths and to fix its thread count. Apart from the two
// files that define them, the program never includes this header.
#pragma once

// Makes the next saves fail after nBytes bytes of the file were written, as a
// full disk would; a negative value switches the fault off.
void Set_Save_Write_Fault(long long nBytes);
// Makes the next saves fail to create their file with the error code nError,
// as a folder the user cannot write does; 0 switches the fault off.
void Set_Save_Create_Fault(int nError);
// Makes the next compression-buffer allocations of Save_Game fail.
void Set_Save_Allocation_Fault(bool bFail);
// Makes the next saves that compress on several threads fail to start
// them, as when the room to track the blocks cannot be had.
void Set_Save_Saver_Start_Fault(bool bFail);
// Makes the next saves' compressors fail to be made, as when the address
// space runs short (a low ulimit -v).
void Set_Save_Compressor_Fault(bool bFail);
// Runs the load without the rebuild sequence that follows the copy into the
// league (sort, hashes, repairs, recounts), so a test can compare the block
// byte for byte with what was saved.
void Set_Load_Sequence_Enabled(bool bEnabled);
// The threads that compress a save and inflate a load: 0 one per processor
// (at most 8, the default), 1 one thread (the save then compresses the
// league in place), 2-8 that many. Every count writes the same file and
// loads the same league.
void Set_Game_File_Threads(int nThreads);
// Makes the older-file converters' working-copy allocation fail.
void Set_Old_File_Allocation_Fault(bool bFail);
