# `cmake --install` into an empty prefix gives exactly the expected files; the icons have
# their folder's size, the manual pages render without warnings, and the menu entry and the
# metainfo pass their validators. Run with -DBUILD=... -DWORK=...
include(${CMAKE_CURRENT_LIST_DIR}/expect.cmake)
file(REMOVE_RECURSE ${WORK})
expect_run("cmake --install" out COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${WORK})
file(GLOB_RECURSE files RELATIVE ${WORK} ${WORK}/*)
expect_file_list("install tree" "${files}")

foreach(size 16 32 48 64 128 256)
  file(READ ${WORK}/share/icons/hicolor/${size}x${size}/apps/cn.qinglangu.longtail.png header
       OFFSET 16 LIMIT 10 HEX)
  math(EXPR hex_size "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${hex_size}" 2 -1 digits)
  string(LENGTH "${digits}" n)
  while(n LESS 8)
    string(PREPEND digits 0)
    math(EXPR n "${n} + 1")
  endwhile()
  # Width, height, 8 bits, colour type 6 (with alpha).
  if(NOT header STREQUAL "${digits}${digits}0806")
    message(FATAL_ERROR "icon ${size}: PNG header ${header}")
  endif()
endforeach()

foreach(page longtail longtail-cli)
  expect_run("man -l ${page}" out
             COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=80 LC_ALL=C.UTF-8
                     man --warnings -l ${WORK}/share/man/man1/${page}.1.gz)
  expect_contains("man ${page}" "${out}" "SYNOPSIS")
  if(NOT out_ERR STREQUAL "")
    message(FATAL_ERROR "man ${page} warns:\n${out_ERR}")
  endif()
endforeach()

expect_run("desktop-file-validate" out
           COMMAND desktop-file-validate ${WORK}/share/applications/cn.qinglangu.longtail.desktop)
expect_run("appstreamcli validate" out
           COMMAND appstreamcli validate --no-net
                   ${WORK}/share/metainfo/cn.qinglangu.longtail.metainfo.xml)
