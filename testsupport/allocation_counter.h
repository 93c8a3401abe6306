// The number of allocations made through the global operator new since the
// program started. Only the tests and the benchmarks link the source beside
// this header, which replaces the program's global allocation functions; the
// game itself never counts.
#pragma once

unsigned long long Get_Allocation_Count();
