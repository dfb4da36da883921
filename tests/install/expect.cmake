# Helpers of the install tests: run a command and fail with its output unless it does what
# is expected.

# expect_run(NAME OUT_VAR [EXIT CODE] COMMAND ...): runs the command, fails unless it exits
# with CODE (default 0); its stdout lands in OUT_VAR.
function(expect_run name out_var)
  cmake_parse_arguments(R "" "EXIT" "COMMAND" ${ARGN})
  if(NOT DEFINED R_EXIT)
    set(R_EXIT 0)
  endif()
  execute_process(COMMAND ${R_COMMAND} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err TIMEOUT 120)
  if(NOT rc STREQUAL "${R_EXIT}")
    message(FATAL_ERROR "${name}: exit ${rc}, expected ${R_EXIT}\nstdout:\n${out}\nstderr:\n${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${out_var}_ERR "${err}" PARENT_SCOPE)
endfunction()

function(expect_contains name text needle)
  string(FIND "${text}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${name}: '${needle}' not found in:\n${text}")
  endif()
endfunction()

# The files a package or an install tree holds, relative to the prefix, one a line, sorted.
set(EXPECTED_FILES
  bin/longtail
  bin/longtail-cli
  share/applications/cn.qinglangu.longtail.desktop
  share/doc/longtail/README.md
  share/icons/hicolor/128x128/apps/cn.qinglangu.longtail.png
  share/icons/hicolor/16x16/apps/cn.qinglangu.longtail.png
  share/icons/hicolor/256x256/apps/cn.qinglangu.longtail.png
  share/icons/hicolor/32x32/apps/cn.qinglangu.longtail.png
  share/icons/hicolor/48x48/apps/cn.qinglangu.longtail.png
  share/icons/hicolor/64x64/apps/cn.qinglangu.longtail.png
  share/icons/hicolor/scalable/apps/cn.qinglangu.longtail.svg
  share/man/man1/longtail-cli.1.gz
  share/man/man1/longtail.1.gz
  share/metainfo/cn.qinglangu.longtail.metainfo.xml)

function(expect_file_list name actual)
  list(SORT actual)
  set(expected ${EXPECTED_FILES})
  list(SORT expected)
  if(NOT actual STREQUAL expected)
    string(REPLACE ";" "\n  " a "${actual}")
    string(REPLACE ";" "\n  " e "${expected}")
    message(FATAL_ERROR "${name}: files differ\nfound:\n  ${a}\nexpected:\n  ${e}")
  endif()
endfunction()
