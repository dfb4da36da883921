# Both programs answer --help, --version and usage errors without a display; the window
# program would abort if it made its application object first. Both report the project's
# version. Run with -DGUI=... -DCLI=... -DVERSION=...
include(${CMAKE_CURRENT_LIST_DIR}/expect.cmake)
set(no_display ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)

expect_run("longtail --help" out COMMAND ${no_display} ${GUI} --help)
expect_contains("longtail --help" "${out}" "usage: longtail")
expect_run("longtail --version" out COMMAND ${no_display} ${GUI} --version)
if(NOT out STREQUAL "longtail ${VERSION}\n")
  message(FATAL_ERROR "longtail --version printed '${out}'")
endif()
# Qt's own options before ours are passed over, not refused.
expect_run("longtail -platform offscreen --help" out
           COMMAND ${no_display} ${GUI} -platform offscreen --help)
expect_run("longtail --colour" out EXIT 2 COMMAND ${no_display} ${GUI} --colour)
expect_contains("longtail --colour" "${out_ERR}" "unknown option --colour")

expect_run("longtail-cli --version" out COMMAND ${CLI} --version)
if(NOT out STREQUAL "longtail-cli ${VERSION}\n")
  message(FATAL_ERROR "longtail-cli --version printed '${out}'")
endif()
