# End-to-end journeys: the built program on a private Xvfb, driven by real input events
# (xdotool). Nothing else in the suite depends on these targets.
add_executable(dimlet_e2e_dragsource ${CMAKE_SOURCE_DIR}/tests/e2e/dragsource.cpp)
target_link_libraries(dimlet_e2e_dragsource PRIVATE Qt5::Widgets)
set_target_properties(dimlet_e2e_dragsource PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

add_executable(tst_e2ejourneys
    ${CMAKE_SOURCE_DIR}/tests/e2e/tst_e2ejourneys.cpp
    ${CMAKE_SOURCE_DIR}/tests/e2e/desktopsession.cpp
    ${CMAKE_SOURCE_DIR}/tests/e2e/desktopsession.h)
target_include_directories(tst_e2ejourneys PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e)
target_link_libraries(tst_e2ejourneys PRIVATE dimlet_testsupport Qt5::Network)
target_compile_definitions(tst_e2ejourneys PRIVATE
    DIMLET_E2E_PROGRAM="$<TARGET_FILE:dimlet>"
    DIMLET_E2E_DRAG_SOURCE="$<TARGET_FILE:dimlet_e2e_dragsource>"
    DIMLET_E2E_SCREENSHOTS="${CMAKE_BINARY_DIR}/e2e-screenshots")
set_target_properties(tst_e2ejourneys PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_dependencies(tst_e2ejourneys dimlet dimlet_e2e_dragsource)
add_test(NAME tst_e2ejourneys COMMAND tst_e2ejourneys)
dimlet_test_environment(tst_e2ejourneys)
set_tests_properties(tst_e2ejourneys PROPERTIES LABELS e2e TIMEOUT 600)
