# Fails when a source file includes a header from a layer above its own, or Qt in a layer
# that must stay free of it. Run as: cmake -DROOT=<source tree> -P check_layers.cmake
#
# A file's layer is its folder; tests/<dir> belong to the layer they test, and the helpers
# in tests/support/ to none (every test may use them). An include is
# resolved the way the compiler would find it (next to the file, then from the tree root,
# then from tests/) and judged by the layer of the file it names.
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT)
  message(FATAL_ERROR "usage: cmake -DROOT=<source tree> -P check_layers.cmake")
endif()

# Folder prefix -> layer, most specific first.
set(prefixes
  base/ text/ net/ harvest/ skin/data/ skin/qt/ skin/controls/ skin/frame/ skin/dialogs/
  skin/embedded/ app/gui/ app/cli/ assets/skin/
  tests/text/ tests/net/ tests/harvest/ tests/skin_data/ tests/skin_embedded/ tests/skin_qt/
  tests/controls/ tests/frame/ tests/frame_xvfb/ tests/dialogs/ tests/app/ tests/cli/)
set(layers
  base text net harvest skin_data skin_qt skin_controls skin_frame skin_dialogs
  skin_embedded app_gui app_cli skin_tools
  text net harvest skin_data skin_embedded skin_qt
  skin_controls skin_frame skin_frame skin_dialogs app_gui app_cli)

# What each layer may include besides itself. The skin library builds on skin/data and the
# text helpers only; it knows no harvest or network types.
# base holds header-only interfaces (no Qt) that every layer may include.
set(allowed_base "")
set(allowed_text base)
set(allowed_net base text)
set(allowed_harvest base text net)
set(allowed_skin_data base)
# The embedded skin is data for skin/data's readers.
set(allowed_skin_embedded base skin_data)
set(allowed_skin_tools base skin_data)
set(allowed_skin_qt base text skin_data)
set(allowed_skin_controls ${allowed_skin_qt} skin_qt)
set(allowed_skin_frame ${allowed_skin_controls} skin_controls)
set(allowed_skin_dialogs ${allowed_skin_frame} skin_frame)
set(allowed_app_cli base text net harvest skin_data skin_embedded)
set(allowed_app_gui ${allowed_skin_dialogs} skin_dialogs net harvest skin_embedded)
# Layers without Qt. The command-line tool is built without Qt too.
set(qt_free base text net harvest skin_data skin_embedded skin_tools app_cli)
# Tests of a layer may also use the program's embedded skin as test data.
set(test_extra skin_embedded)

# Include lines that are allowed although they cross a layer boundary, with the reason.
# Each entry is "<including file>|<included header>".
set(exceptions "")

# Sets <out> to the layer of the tree-relative path <rel>, or "" when it belongs to none.
function(layer_of rel out)
  set(index 0)
  foreach(prefix ${prefixes})
    string(FIND "${rel}" "${prefix}" at)
    if(at EQUAL 0)
      list(GET layers ${index} layer)
      set(${out} ${layer} PARENT_SCOPE)
      return()
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

set(files "")
foreach(top base text net harvest skin app assets tests)
  file(GLOB_RECURSE found RELATIVE ${ROOT} ${ROOT}/${top}/*.h ${ROOT}/${top}/*.cpp)
  list(APPEND files ${found})
endforeach()
list(SORT files)
set(faults 0)
foreach(file ${files})
  layer_of("${file}" layer)
  if(NOT layer)
    continue()
  endif()
  set(may ${allowed_${layer}} ${layer})
  string(FIND "${file}" "tests/" at)
  if(at EQUAL 0)
    list(APPEND may ${test_extra})
  endif()
  get_filename_component(here ${file} DIRECTORY)
  file(STRINGS ${ROOT}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line ${lines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" header "${line}")
    if(header MATCHES "^(Qt[A-Za-z]*/|Q[A-Z][A-Za-z]*$|q[a-z0-9_]+\\.h$)")
      list(FIND qt_free ${layer} no_qt)
      if(NOT no_qt EQUAL -1)
        message("${file}: includes Qt (<${header}>) in the Qt-free layer ${layer}")
        math(EXPR faults "${faults} + 1")
      endif()
      continue()
    endif()
    set(target "")
    foreach(candidate "${here}/${header}" "${header}" "tests/${header}")
      string(REGEX REPLACE "^/" "" candidate "${candidate}")
      if(EXISTS ${ROOT}/${candidate} AND NOT IS_DIRECTORY ${ROOT}/${candidate})
        set(target ${candidate})
        break()
      endif()
    endforeach()
    if(NOT target)
      continue()
    endif()
    layer_of("${target}" target_layer)
    if(NOT target_layer OR target_layer IN_LIST may)
      continue()
    endif()
    if("${file}|${header}" IN_LIST exceptions)
      continue()
    endif()
    message("${file}: includes ${header} from layer ${target_layer}, above or beside ${layer}")
    math(EXPR faults "${faults} + 1")
  endforeach()
endforeach()

list(LENGTH files count)
if(faults GREATER 0)
  message(FATAL_ERROR "layer check: ${faults} include(s) break the layering")
endif()
message("layer check: ${count} files keep to their layers")
