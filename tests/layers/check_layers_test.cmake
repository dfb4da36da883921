# Runs the layer check on a small tree with known faults and on the same tree without them.
# Run as: cmake -DCHECK=<check_layers.cmake> -DWORK=<scratch dir> -P check_layers_test.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})

function(put path content)
  file(WRITE ${WORK}/${path} "${content}\n")
endfunction()

# Allowed: downward includes, a folder's own header by bare name, test helpers found from
# tests/, Qt in the Qt layers.
put(base/b.h "#pragma once\n#include <string>")
put(text/a.h "#pragma once\n#include \"base/b.h\"")
put(net/n.h "#pragma once\n#include \"text/a.h\"\n#include <string>")
put(net/n.cpp "#include \"n.h\"")
put(harvest/h.h "#pragma once\n#include \"net/n.h\"")
put(skin/data/d.h "#pragma once")
put(skin/qt/q.h "#pragma once\n#include <QImage>\n#include \"skin/data/d.h\"\n#include \"text/a.h\"")
put(skin/frame/f.h "#pragma once\n#include \"skin/qt/q.h\"\n#include \"base/b.h\"")
put(app/gui/w.h "#pragma once\n#include \"harvest/h.h\"\n#include \"skin/frame/f.h\"")
put(tests/harvest/helper.h "#pragma once")
put(tests/harvest/h_test.cpp "#include \"harvest/helper.h\"\n#include \"net/n.h\"")
put(tests/support/shots.h "#pragma once\n#include <QImage>")
put(tests/text/a_test.cpp "#include \"support/shots.h\"")

execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${CHECK}
                RESULT_VARIABLE clean_code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT clean_code EQUAL 0)
  message(FATAL_ERROR "a tree that keeps to its layers was refused:\n${out}")
endif()

# Faults: upward (from base too), sideways into harvest from the skin library, Qt below the
# Qt layers and in the command-line tool, and a lower layer's test using an upper layer.
put(text/up.cpp "#include \"net/n.h\"")
put(base/up.h "#pragma once\n#include \"text/a.h\"")
put(base/qt.h "#pragma once\n#include <QObject>")
put(net/up.h "#pragma once\n  #  include \"harvest/h.h\"")
put(skin/data/up.cpp "#include \"skin/qt/q.h\"")
put(skin/frame/domain.cpp "#include \"harvest/h.h\"")
put(skin/qt/up.cpp "#include \"skin/frame/f.h\"")
put(harvest/qt.cpp "#include <QString>")
put(skin/data/qt.h "#pragma once\n#include <QtGui/QImage>")
put(app/cli/qt.cpp "#include <QCoreApplication>")
put(tests/harvest/up_test.cpp "#include \"app/gui/w.h\"")

execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${CHECK}
                RESULT_VARIABLE faulty_code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(faulty_code EQUAL 0)
  message(FATAL_ERROR "the layer check passed a tree with faults:\n${out}")
endif()
string(REGEX MATCHALL "[a-z_/]+\\.(h|cpp): includes" reported "${out}")
list(TRANSFORM reported REPLACE ": includes$" "")
list(SORT reported)
set(expected app/cli/qt.cpp base/qt.h base/up.h harvest/qt.cpp net/up.h skin/data/qt.h skin/data/up.cpp
    skin/frame/domain.cpp skin/qt/up.cpp tests/harvest/up_test.cpp text/up.cpp)
if(NOT reported STREQUAL expected)
  message(FATAL_ERROR "reported ${reported}\nexpected ${expected}\n${out}")
endif()
list(LENGTH expected count)
message("layer check test: the clean tree passes, all ${count} faults are found")
