# Test helpers shared by every test folder.
#
# quillon_add_gtest(<name> SOURCES ... [LIBS ...])
#   One GoogleTest executable, registered with ctest as a single test. Under the
#   Windows tree ctest runs it through Wine (the cross-compiling emulator) from the
#   bin folder, next to quillon.exe and the resource modules.

if(QUILLON_TESTS AND NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL)
endif()

set(QUILLON_TEST_OUTPUT ${CMAKE_BINARY_DIR}/test-output)
file(MAKE_DIRECTORY ${QUILLON_TEST_OUTPUT})

function(quillon_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
    if(QUILLON_WINDOWS)
        set(workdir ${CMAKE_BINARY_DIR}/bin)
        # Under Wine the Unix root is drive Z:; a path without a drive would be taken as
        # relative to the test's folder.
        set(report "Z:${QUILLON_TEST_OUTPUT}/${name}.xml")
    else()
        set(workdir ${CMAKE_CURRENT_BINARY_DIR})
        set(report "${QUILLON_TEST_OUTPUT}/${name}.xml")
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:${report} WORKING_DIRECTORY ${workdir})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600
                         ENVIRONMENT "QUILLON_SOURCE_DIR=${PROJECT_SOURCE_DIR};QUILLON_TEST_OUTPUT=${QUILLON_TEST_OUTPUT}")
endfunction()
