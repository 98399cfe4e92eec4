# One QtTest executable per tests/**/tst_*.cpp, each run by ctest with a fresh,
# private HOME and XDG tree and the update check pointed at this machine.
set(DIMLET_TEST_HOMES ${CMAKE_BINARY_DIR}/test-homes)
set(DIMLET_TEST_UPDATE_URL "http://127.0.0.1:9/update/dimlet.json")

add_test(NAME reset_test_homes
    COMMAND ${CMAKE_COMMAND} -DHOMES=${DIMLET_TEST_HOMES} -P ${CMAKE_SOURCE_DIR}/tests/resethomes.cmake)
set_tests_properties(reset_test_homes PROPERTIES FIXTURES_SETUP test_homes)

add_library(dimlet_testsupport STATIC tests/testsupport.cpp tests/testsupport.h)
target_link_libraries(dimlet_testsupport PUBLIC dimlet_core Qt5::Test)
target_include_directories(dimlet_testsupport PUBLIC ${CMAKE_SOURCE_DIR}/tests)
list(JOIN DIMLET_SOURCE_DIRS "," DIMLET_SOURCE_DIR_LIST)
target_compile_definitions(dimlet_testsupport PUBLIC
    DIMLET_SOURCE_DIR="${CMAKE_SOURCE_DIR}" DIMLET_BUILD_DIR="${CMAKE_BINARY_DIR}"
    DIMLET_SOURCE_DIR_LIST="${DIMLET_SOURCE_DIR_LIST}")

# Under the sanitizers every finding fails its test; leak reports skip only the Qt platform
# plugin's own objects (tests/lsan.supp). Strict string checks stay off: they flag the bounded
# strndup that libxkbcommon-x11 does on every start under X, which reads nothing out of bounds.
set(DIMLET_SANITIZER_ENVIRONMENT)
if(DIMLET_SANITIZE)
    set(DIMLET_SANITIZER_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
endif()

function(dimlet_test_environment test_name)
    set(home ${DIMLET_TEST_HOMES}/${test_name})
    set_tests_properties(${test_name} PROPERTIES
        FIXTURES_REQUIRED test_homes
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;XDG_CACHE_HOME=${home}/.cache;XDG_RUNTIME_DIR=${home}/runtime;TMPDIR=${home}/tmp;DIMLET_UPDATE_URL=${DIMLET_TEST_UPDATE_URL};LANG=C.UTF-8;LC_ALL=C.UTF-8;QT_LOGGING_RULES=qt.qpa.*=false;${DIMLET_SANITIZER_ENVIRONMENT}")
endfunction()

# The fuzz targets' promise checks, also replayed over the committed corpora in every build.
add_library(dimlet_fuzzchecks STATIC
    fuzz/checks/documentcheck.cpp fuzz/checks/updateoffercheck.cpp
    fuzz/checks/preferencescheck.cpp fuzz/checks/picturecheck.cpp)
target_link_libraries(dimlet_fuzzchecks PUBLIC dimlet_core)
target_compile_definitions(dimlet_fuzzchecks PUBLIC DIMLET_FUZZ_DIR="${CMAKE_SOURCE_DIR}/fuzz")

file(GLOB_RECURSE DIMLET_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/tst_*.cpp)
list(FILTER DIMLET_TEST_SOURCES EXCLUDE REGEX "/tests/e2e/")
foreach(src IN LISTS DIMLET_TEST_SOURCES)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE dimlet_testsupport)
    if(src MATCHES "/tests/robustness/")
        target_link_libraries(${name} PRIVATE dimlet_fuzzchecks)
    endif()
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    dimlet_test_environment(${name})
endforeach()

# A short run of every fuzz target, in its own clang build, where clang and its fuzzing
# runtime are installed; the corpus replay above runs everywhere.
if(NOT DIMLET_FUZZ AND NOT DIMLET_SANITIZE)
    find_program(DIMLET_CLANGXX clang++)
    if(DIMLET_CLANGXX AND NOT DEFINED DIMLET_CLANG_CAN_FUZZ)
        set(probe ${CMAKE_BINARY_DIR}/CMakeFiles/fuzzprobe)
        file(WRITE ${probe}/probe.cpp
            "#include <cstddef>\n#include <cstdint>\n"
            "extern \"C\" int LLVMFuzzerTestOneInput(const uint8_t *, size_t) { return 0; }\n")
        execute_process(COMMAND ${DIMLET_CLANGXX} -fsanitize=fuzzer,address,undefined
                                ${probe}/probe.cpp -o ${probe}/probe
            RESULT_VARIABLE probe_result OUTPUT_QUIET ERROR_QUIET)
        if(probe_result EQUAL 0)
            set(DIMLET_CLANG_CAN_FUZZ ON CACHE INTERNAL "clang++ links libFuzzer with the sanitizers")
        else()
            set(DIMLET_CLANG_CAN_FUZZ OFF CACHE INTERNAL "clang++ links libFuzzer with the sanitizers")
        endif()
    endif()
    if(DIMLET_CLANG_CAN_FUZZ)
        set(DIMLET_FUZZ_SMOKE_SECONDS 20 CACHE STRING "Seconds each fuzz target runs in the test suite")
        set(DIMLET_FUZZ_SMOKE_RUNS 3000 CACHE STRING "Inputs each fuzz target tries in the test suite")
        add_test(NAME fuzz_smoke COMMAND bash ${CMAKE_SOURCE_DIR}/fuzz/run.sh ${DIMLET_FUZZ_SMOKE_SECONDS})
        set_tests_properties(fuzz_smoke PROPERTIES ENVIRONMENT
            "DIMLET_FUZZ_SEED=1;DIMLET_FUZZ_RUNS=${DIMLET_FUZZ_SMOKE_RUNS};DIMLET_FUZZ_CORPUS_DIR=${CMAKE_BINARY_DIR}/fuzz-smoke-corpus")
        # Builds the clang tree on its first run, so it may take far longer than a unit test.
        set_tests_properties(fuzz_smoke PROPERTIES TIMEOUT 1800)
    endif()
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/e2e.cmake)
    include(${CMAKE_SOURCE_DIR}/tests/e2e/e2e.cmake)
endif()

add_test(NAME install_tree
    COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DSOURCE=${CMAKE_SOURCE_DIR}
            -DWORK=${CMAKE_BINARY_DIR}/install-check -P ${CMAKE_SOURCE_DIR}/tests/desktop/checkinstall.cmake)

# Builds the Debian package from a copy of the tree, checks it with lintian and runs the
# packaged renderer. It compiles everything again with both cores, so it has them to itself.
if(NOT DIMLET_SANITIZE)
    add_test(NAME package COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/checkpackage.sh)
    set_tests_properties(package PROPERTIES LABELS package TIMEOUT 1500 SKIP_RETURN_CODE 77
        PROCESSORS 2 ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endif()
