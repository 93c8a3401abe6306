// How long the tests wait for the program before they call it hung. A
// deadline only catches a hang: it is set for a plain build on a busy
// machine and stretched here for a build that runs slower, so that load
// alone never fails a test. The sanitizer build (AddressSanitizer and
// UndefinedBehaviorSanitizer, unoptimised) runs the game several times
// slower still than an unoptimised plain build. CMakeLists.txt stretches
// ctest's own limits by the same factors.
#pragma once

#include <chrono>

#if defined(__SANITIZE_ADDRESS__)
#define KELVO_TESTS_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVO_TESTS_SANITIZED 1
#endif
#endif

#if defined(KELVO_TESTS_SANITIZED)
constexpr int TEST_TIME_SCALE = 8;
#elif !defined(__OPTIMIZE__)
constexpr int TEST_TIME_SCALE = 3;
#else
constexpr int TEST_TIME_SCALE = 1;
#endif

// A deadline of the plain build, as long as this build needs.
template <class REP, class PERIOD>
constexpr std::chrono::duration<REP, PERIOD> Test_Deadline(std::chrono::duration<REP, PERIOD> Plain)
{
    return Plain * TEST_TIME_SCALE;
}

// The same for a deadline counted in milliseconds or seconds.
constexpr int Test_Deadline(int nPlain)
{
    return nPlain * TEST_TIME_SCALE;
}
