# morvanto_test(NAME SOURCES a.cpp ... LIBS lib ...)
# One Qt Test executable per unit, registered with CTest and run headless; the shared test
# helpers of tests/support are always at hand.
function(morvanto_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test morvanto_testsupport ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 300)
endfunction()
