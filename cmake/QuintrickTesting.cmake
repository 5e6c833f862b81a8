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
