# Profile-guided optimisation of the Release build, an option the speed
# measurements turn on (-DKELVO_PGO=ON): the engine is the hot path of the
# program, and GCC lays it out and inlines it better with a profile of a real
# run. A copy of the game library built with counters (in <build>/pgo-train)
# plays the season harness, and the game library of this build is compiled
# with the counts it wrote (<build>/pgo-profile). It costs a second compile
# of the library, so the first build of a newcomer goes without it.
# Optimisation never changes a result: the same seed plays the same games.
#
# The training copy is configured with KELVO_PGO_TRAINING set to the folder
# the counts go to. Both builds strip their own folder from the counts' file
# names, so the names match.
option(KELVO_PGO "Release builds: optimise the game library with a profile of the season harness" OFF)
set(KELVO_PGO_TRAINING "" CACHE PATH "Internal: build the game library with counters writing to this folder")

if(KELVO_PGO_TRAINING)
    target_compile_options(kelvo_core PRIVATE -fprofile-generate=${KELVO_PGO_TRAINING}
                           -fprofile-prefix-path=${CMAKE_BINARY_DIR} -fprofile-update=single)
    target_link_options(kelvo_core INTERFACE -fprofile-generate)
elseif(KELVO_PGO AND CMAKE_BUILD_TYPE STREQUAL "Release" AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU"
       AND NOT KELVO_SANITIZE AND NOT KELVO_FUZZ)
    set(KELVO_PGO_DIR ${CMAKE_BINARY_DIR}/pgo-profile)
    set(KELVO_PGO_TRAIN_DIR ${CMAKE_BINARY_DIR}/pgo-train)
    set(KELVO_PGO_STAMP ${KELVO_PGO_DIR}/trained.stamp)
    file(GLOB_RECURSE KELVO_PGO_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h
         ${CMAKE_SOURCE_DIR}/testsupport/*.h ${CMAKE_SOURCE_DIR}/testsupport/*.cpp)
    # The nested build shares the outer build's job slots: under make it is
    # a recursive make that joins make's job server (so -j N holds for both);
    # under another generator it takes the cores KELVO_PGO_JOBS names.
    if(CMAKE_GENERATOR MATCHES "Makefiles")
        set(KELVO_PGO_BUILD_COMMAND $(MAKE) -C ${KELVO_PGO_TRAIN_DIR} season_harness)
    else()
        include(ProcessorCount)
        ProcessorCount(KELVO_PGO_CORES)
        if(KELVO_PGO_CORES EQUAL 0)
            set(KELVO_PGO_CORES 2)
        endif()
        set(KELVO_PGO_JOBS ${KELVO_PGO_CORES} CACHE STRING "Jobs of the profile's training build (generators other than make)")
        set(KELVO_PGO_BUILD_COMMAND ${CMAKE_COMMAND} --build ${KELVO_PGO_TRAIN_DIR} --target season_harness
            --parallel ${KELVO_PGO_JOBS})
    endif()
    add_custom_command(
        OUTPUT ${KELVO_PGO_STAMP}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${KELVO_PGO_DIR}
        COMMAND ${CMAKE_COMMAND} -S ${CMAKE_SOURCE_DIR} -B ${KELVO_PGO_TRAIN_DIR} -G ${CMAKE_GENERATOR}
                -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
                -DCMAKE_C_COMPILER=${CMAKE_C_COMPILER} ${KELVO_PGO_LAUNCHER}
                -DKELVO_PGO_TRAINING=${KELVO_PGO_DIR} -DKELVO_TESTS=OFF -DKELVO_BENCH=ON -DKELVO_GTK=OFF
                -DKELVO_WERROR=${KELVO_WERROR}
        COMMAND ${KELVO_PGO_BUILD_COMMAND}
        COMMAND ${KELVO_PGO_TRAIN_DIR}/season_harness --games 400
        COMMAND ${CMAKE_COMMAND} -E touch ${KELVO_PGO_STAMP}
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        DEPENDS ${KELVO_PGO_INPUTS} ${CMAKE_SOURCE_DIR}/bench/season_harness.cpp
        COMMENT "Training the game library's profile (a season harness run of a counting build)"
        VERBATIM)
    add_custom_target(kelvo_pgo_profile DEPENDS ${KELVO_PGO_STAMP})
    add_dependencies(kelvo_core kelvo_pgo_profile)
    # A new profile compiles the library again.
    get_target_property(KELVO_CORE_SOURCES kelvo_core SOURCES)
    set_source_files_properties(${KELVO_CORE_SOURCES} TARGET_DIRECTORY kelvo_core PROPERTIES OBJECT_DEPENDS ${KELVO_PGO_STAMP})
    # -fprofile-partial-training keeps the code the run never reached
    # optimised as without a profile (the dialogs, the tools).
    target_compile_options(kelvo_core PRIVATE -fprofile-use=${KELVO_PGO_DIR} -fprofile-prefix-path=${CMAKE_BINARY_DIR}
                           -fprofile-partial-training -Wno-missing-profile)
    message(STATUS "Release game library: optimised with a season harness profile (KELVO_PGO)")
endif()
