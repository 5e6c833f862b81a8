# quintrick_add_test(NAME name SOURCES ... LIBS ... [QT])
# Builds one GoogleTest executable and registers it with CTest. Every test runs with its own
# HOME, XDG_CONFIG_HOME and XDG_CACHE_HOME below the build tree, so the real profile and cache
# are never touched; QT tests also run on the offscreen platform.
find_package(GTest REQUIRED)

function(quintrick_add_test)
    cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS;PROPERTIES" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    set(home ${CMAKE_BINARY_DIR}/test-home/${T_NAME})
    file(MAKE_DIRECTORY ${home}/config ${home}/cache)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set(env "HOME=${home}" "XDG_CONFIG_HOME=${home}/config" "XDG_CACHE_HOME=${home}/cache")
    if(T_QT)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" ${T_PROPERTIES})
endfunction()

# quintrick_label_tests(LABEL [SLOW test...])
# Gives every test of the calling folder that has no label yet LABEL, and the tests named after
# SLOW the label "slow" besides. The labels (ctest -L ...):
#   unit  no window and no run of the program; all of them take seconds
#   gui   widgets or painting on the offscreen platform
#   e2e   the program itself: under X, from the command line or as a package
#   slow  more than about five seconds, with one of the above
function(quintrick_label_tests label)
    cmake_parse_arguments(L "" "" "SLOW" ${ARGN})
    get_property(tests DIRECTORY PROPERTY TESTS)
    foreach(test IN LISTS tests)
        get_test_property(${test} LABELS labels)
        if(NOT labels)
            set(labels ${label})
        endif()
        if(test IN_LIST L_SLOW)
            list(APPEND labels slow)
        endif()
        set_tests_properties(${test} PROPERTIES LABELS "${labels}")
    endforeach()
endfunction()
