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

function(dimlet_test_environment test_name)
    set(home ${DIMLET_TEST_HOMES}/${test_name})
    set_tests_properties(${test_name} PROPERTIES
        FIXTURES_REQUIRED test_homes
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;XDG_CACHE_HOME=${home}/.cache;XDG_RUNTIME_DIR=${home}/runtime;TMPDIR=${home}/tmp;DIMLET_UPDATE_URL=${DIMLET_TEST_UPDATE_URL};LANG=C.UTF-8;LC_ALL=C.UTF-8;QT_LOGGING_RULES=qt.qpa.*=false")
endfunction()

file(GLOB_RECURSE DIMLET_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/tst_*.cpp)
list(FILTER DIMLET_TEST_SOURCES EXCLUDE REGEX "/tests/e2e/")
foreach(src IN LISTS DIMLET_TEST_SOURCES)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE dimlet_testsupport)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    dimlet_test_environment(${name})
endforeach()

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/e2e.cmake)
    include(${CMAKE_SOURCE_DIR}/tests/e2e/e2e.cmake)
endif()

add_test(NAME install_tree
    COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DSOURCE=${CMAKE_SOURCE_DIR}
            -DWORK=${CMAKE_BINARY_DIR}/install-check -P ${CMAKE_SOURCE_DIR}/tests/desktop/checkinstall.cmake)
