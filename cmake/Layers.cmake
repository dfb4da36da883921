# Each layer folder is one static library made of every .cpp in it. A folder with no
# sources yet becomes an interface library, so layers above can link it already.
function(longtail_layer target dir)
  cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(srcs)
    add_library(${target} STATIC ${srcs})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${L_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${L_DEPS})
  endif()
endfunction()

# One test executable per layer folder under tests/, made of every .cpp in it.
function(longtail_tests name dir)
  cmake_parse_arguments(T "QT" "" "DEPS;LABELS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  # Qt tests get a main() that creates the QApplication first.
  if(T_QT)
    list(APPEND srcs ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    set(main_lib "")
  else()
    set(main_lib GTest::gtest_main)
  endif()
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  # Test data and screenshots are found from the source tree, not from __FILE__ (which a
  # compiler cache may turn into a relative path).
  target_compile_definitions(${name} PRIVATE LONGTAIL_TESTS_DIR="${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE ${T_DEPS} GTest::gtest GTest::gmock ${main_lib})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS "${T_LABELS}" ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
