# jx_add_test(NAME SOURCES a.cpp b.cpp LIBS x y [QT])
# One GoogleTest executable per tested module. QT tests get a main that starts a
# QApplication on the offscreen platform and the fake platform layer.
function(jx_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE jx_flags ${ARG_LIBS} GTest::gtest GTest::gmock)
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE jx_test_support_qt)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;JX_DATA_DIR=${CMAKE_BINARY_DIR}/bin;ASAN_OPTIONS=detect_leaks=0")
endfunction()
