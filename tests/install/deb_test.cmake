# cpack builds the Debian package; it holds the expected files under /usr, depends on the
# libraries and the run-time parts (Qt's platform plugins, the fonts), and what it unpacks
# into an empty root runs: longtail-cli --version, and the window to its first paint.
# Run with -DBUILD=... -DWORK=... -DVERSION=...
include(${CMAKE_CURRENT_LIST_DIR}/expect.cmake)
file(REMOVE_RECURSE ${WORK})
expect_run("cpack" out COMMAND ${CMAKE_COMMAND} -E chdir ${BUILD}
                           cpack -G DEB -B ${WORK} --config ${BUILD}/CPackConfig.cmake)
file(GLOB debs ${WORK}/longtail_${VERSION}_*.deb)
list(LENGTH debs n)
if(NOT n EQUAL 1)
  message(FATAL_ERROR "cpack made '${debs}'\n${out}")
endif()

expect_run("dpkg-deb -c" listing COMMAND dpkg-deb -c ${debs})
string(REGEX MATCHALL "\\./usr/[^\n]*[^/\n]\n" entries "${listing}")
set(files)
foreach(entry ${entries})
  string(REGEX REPLACE "^\\./usr/([^ \n]*).*" "\\1" path "${entry}")
  list(APPEND files ${path})
endforeach()
expect_file_list("package" "${files}")

expect_run("dpkg-deb -f" depends COMMAND dpkg-deb -f ${debs} Depends)
foreach(dep libc6 libqt6widgets6 libqt6gui6 libqt6core6 libcurl4 zlib1g qt6-qpa-plugins
            fonts-arphic-uming)
  if(NOT depends MATCHES "(^|, )${dep}( |,|$|\n)")
    message(FATAL_ERROR "Depends lacks ${dep}: ${depends}")
  endif()
endforeach()

set(root ${WORK}/root)
expect_run("dpkg-deb -x" out COMMAND dpkg-deb -x ${debs} ${root})
expect_run("installed longtail-cli --version" out COMMAND ${root}/usr/bin/longtail-cli --version)
if(NOT out STREQUAL "longtail-cli ${VERSION}\n")
  message(FATAL_ERROR "installed longtail-cli --version printed '${out}'")
endif()
foreach(program longtail longtail-cli)
  expect_run("ldd ${program}" out COMMAND ldd ${root}/usr/bin/${program})
  expect_contains("ldd ${program}" "${out}" "libc.so")
  if(out MATCHES "not found")
    message(FATAL_ERROR "ldd ${program}:\n${out}")
  endif()
endforeach()
expect_run("installed longtail" out
           COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LONGTAIL_STARTUP_PROBE=1
                   ${root}/usr/bin/longtail)
expect_contains("installed longtail" "${out}" "first paint after")
