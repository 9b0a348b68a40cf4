# tolvar_test(NAME sources... LIBS libs...)
# One GoogleTest executable per area. Tests run with the offscreen platform and a private
# Windows directory so that no test touches the developer's own VB.INI.
function(tolvar_test name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock tolvar_testmain)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TOLVAR_BUILD_DIR=${CMAKE_BINARY_DIR};TOLVAR_ADDIN_DIR=${TOLVAR_ADDIN_DIR};TOLVAR_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
        TIMEOUT 300)
endfunction()
