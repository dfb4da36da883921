# A layer's headers are found through an include view of its own: a folder in the build
# tree holding only a link to the layer's source folder, so "harvest/x.h" resolves for the
# harvest layer and for what links it, and an include from a layer above (or of one not
# linked) does not compile. PUBLIC dependencies are those the layer's headers include;
# PRIVATE ones only its sources use.
function(longtail_include_view target dir)
  set(view ${CMAKE_BINARY_DIR}/include-views/${target})
  get_filename_component(parent ${view}/${dir} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${view}/${dir})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${dir} ${view}/${dir} SYMBOLIC)
  endif()
  set(${target}_VIEW ${view} PARENT_SCOPE)
endfunction()

# Each layer folder is one static library made of every .cpp in it. A folder with no
# sources yet becomes an interface library, so layers above can link it already.
function(longtail_layer target dir)
  cmake_parse_arguments(L "" "" "PUBLIC;PRIVATE" ${ARGN})
  longtail_include_view(${target} ${dir})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(srcs)
    add_library(${target} STATIC ${srcs})
    target_include_directories(${target} PUBLIC ${${target}_VIEW})
    target_link_libraries(${target} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${${target}_VIEW})
    target_link_libraries(${target} INTERFACE ${L_PUBLIC} ${L_PRIVATE})
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

# Every header of a layer compiles on its own with just what the layer exposes: one
# generated source per header, built with the layer's usage requirements. A header that
# leans on an include it does not make, or on a dependency the layer keeps PRIVATE, fails
# the build.
function(longtail_header_check target dir)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.h)
  set(srcs "")
  foreach(header ${headers})
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${header})
    string(MAKE_C_IDENTIFIER ${rel} id)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/header_check/${id}.cpp)
    file(CONFIGURE OUTPUT ${out} CONTENT "#include \"${rel}\"\n")
    list(APPEND srcs ${out})
  endforeach()
  if(srcs)
    add_library(header_check_${target} OBJECT ${srcs})
    set_target_properties(header_check_${target} PROPERTIES AUTOMOC OFF)
    target_link_libraries(header_check_${target} PRIVATE ${target})
  endif()
endfunction()
