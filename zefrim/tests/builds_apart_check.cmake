# Fails when two builds define the same global or weak symbol: each build's code must run only its
# own helpers, compiled for its own processor.
#   cmake -DNM=<nm> -DOBJECTS=<gn.o|s1.o|s2.o|s3.o> -P builds_apart_check.cmake
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" objects "${OBJECTS}")
set(seen "")
set(shared "")
foreach(object ${objects})
  execute_process(COMMAND ${NM} --defined-only ${object} OUTPUT_VARIABLE output RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${object}")
  endif()
  string(REPLACE "\n" ";" lines "${output}")
  set(names "")
  foreach(line ${lines})
    # Upper-case types are global; u (unique), v and w are weak or unique, shared across objects.
    # DW.ref.* are the unwinder's pointers to the C++ personality routine, data the linker
    # merges (instrumented builds emit them), not code of a build.
    if(line MATCHES "^[0-9a-fA-F]+ ([A-Zuvw]) (.+)$" AND NOT CMAKE_MATCH_2 MATCHES "^DW\\.ref\\.")
      list(APPEND names ${CMAKE_MATCH_2})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES names)
  foreach(name ${names})
    if(name IN_LIST seen)
      list(APPEND shared ${name})
    endif()
  endforeach()
  list(APPEND seen ${names})
endforeach()
if(shared)
  string(REPLACE ";" "\n  " text "${shared}")
  message(FATAL_ERROR "symbols defined by more than one build:\n  ${text}")
endif()
