# End-to-end journeys: the built program driven under Xvfb by real input events
# (xdotool), its files checked with the document reader and by their pixels.
# Nothing else in the suite depends on these targets.
if(NOT X11_FOUND)
    message(STATUS "End-to-end journeys left out: the X11 client library is missing")
    return()
endif()

add_library(dimlet_e2e_support STATIC
    ${CMAKE_SOURCE_DIR}/tests/e2e/desktopsession.cpp
    ${CMAKE_SOURCE_DIR}/tests/e2e/desktopsession.h
    ${CMAKE_SOURCE_DIR}/tests/e2e/journeychecks.cpp
    ${CMAKE_SOURCE_DIR}/tests/e2e/journeychecks.h
    ${CMAKE_SOURCE_DIR}/tests/e2e/updatestubserver.cpp
    ${CMAKE_SOURCE_DIR}/tests/e2e/updatestubserver.h
    ${CMAKE_SOURCE_DIR}/tests/e2e/xvfbdisplay.cpp
    ${CMAKE_SOURCE_DIR}/tests/e2e/xvfbdisplay.h)
target_include_directories(dimlet_e2e_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/e2e)
target_include_directories(dimlet_e2e_support PRIVATE ${X11_INCLUDE_DIR})
target_link_libraries(dimlet_e2e_support PUBLIC dimlet_testsupport Qt5::Network PRIVATE ${X11_LIBRARIES})
target_compile_definitions(dimlet_e2e_support PUBLIC
    DIMLET_E2E_PROGRAM="$<TARGET_FILE:dimlet>"
    DIMLET_E2E_DRAG_SOURCE="$<TARGET_FILE:dimlet_e2e_dragsource>"
    DIMLET_E2E_SCREENSHOTS="${CMAKE_BINARY_DIR}/e2e-screenshots")

# A window that starts a file drag when it is pressed, for the drop journeys.
add_executable(dimlet_e2e_dragsource ${CMAKE_SOURCE_DIR}/tests/e2e/dragsource.cpp)
target_link_libraries(dimlet_e2e_dragsource PRIVATE Qt5::Widgets)
set_target_properties(dimlet_e2e_dragsource PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

file(GLOB DIMLET_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/tst_*.cpp)
foreach(src IN LISTS DIMLET_E2E_SOURCES)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE dimlet_e2e_support)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_dependencies(${name} dimlet dimlet-render dimlet_e2e_dragsource)
    add_test(NAME ${name} COMMAND ${name})
    dimlet_test_environment(${name})
    set_tests_properties(${name} PROPERTIES LABELS e2e TIMEOUT 480)
endforeach()
