// Throughput of the random source and the rounding helper that every
// simulated play and every money figure goes through.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "base/random.h"

static void Generate_One_Million_Numbers(benchmark::State& State)
{
    Seed_Random_Numbers(12345);
    for (auto _ : State) {
        uint32_t nSum = 0;
        for (int i = 0; i < 1000000; i++)
            nSum += Generate_Random_Number();
        benchmark::DoNotOptimize(nSum);
    }
    State.SetItemsProcessed(State.iterations() * 1000000);
}
BENCHMARK(Generate_One_Million_Numbers)->Unit(benchmark::kMillisecond);

static void Draw_Below_One_Million(benchmark::State& State)
{
    Seed_Random_Numbers(12345);
    for (auto _ : State) {
        int nSum = 0;
        for (int i = 0; i < 1000000; i++)
            nSum += Get_Random_Below(100);
        benchmark::DoNotOptimize(nSum);
    }
    State.SetItemsProcessed(State.iterations() * 1000000);
}
BENCHMARK(Draw_Below_One_Million)->Unit(benchmark::kMillisecond);

static void Mul_Div_Rounded_One_Million(benchmark::State& State)
{
    // Mixed signs and magnitudes, as money and rating code passes them.
    Seed_Random_Numbers(4357);
    static int nA[1024], nB[1024], nC[1024];
    for (int i = 0; i < 1024; i++) {
        nA[i] = static_cast<int>(Generate_Random_Number()) >> 4;
        nB[i] = static_cast<int>(Generate_Random_Number() % 20001) - 10000;
        nC[i] = static_cast<int>(Generate_Random_Number() % 2001) - 1000;
    }
    for (auto _ : State) {
        int64_t nSum = 0;
        for (int i = 0; i < 1000000; i++) {
            int k = i & 1023;
            nSum += Mul_Div_Rounded(nA[k], nB[k], nC[k]);
        }
        benchmark::DoNotOptimize(nSum);
    }
    State.SetItemsProcessed(State.iterations() * 1000000);
}
BENCHMARK(Mul_Div_Rounded_One_Million)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
