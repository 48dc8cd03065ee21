# The test host under valgrind's memcheck through a whole session with the sample
# configuration: load, Init, the menu, a click on every item, the shortcut, the registration,
# the buttons, the name, unload. Nothing reaches the desktop (--dry-run). Fails on any memory
# error and on any block lost (definitely or indirectly) when the host exits.
# cmake -DVALGRIND=... -DHOST=... -DLIBRARY=... -DEXAMPLES=... -DWORK=... -P HostScenario.cmake
foreach(variable VALGRIND HOST LIBRARY EXAMPLES WORK)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} not given")
  endif()
endforeach()

# The plug-in's folder: the library beside the sample configuration.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${LIBRARY} ${EXAMPLES}/Quickseek.ini ${EXAMPLES}/Quickseek_MY.ini DESTINATION ${WORK})

set(items 0)
foreach(name Quickseek.ini Quickseek_MY.ini)
  file(STRINGS ${EXAMPLES}/${name} sections REGEX "^\\[SEARCH_")
  list(LENGTH sections count)
  math(EXPR items "${items} + ${count}")
endforeach()
set(commands init menu)
math(EXPR last "${items} - 1")
foreach(item RANGE ${last})
  list(APPEND commands click ${item})
endforeach()
list(APPEND commands shortcut register button 1 button 2 button 3 name)

execute_process(
  COMMAND ${VALGRIND} --tool=memcheck --error-exitcode=99 --leak-check=full
          --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect
          --child-silent-after-fork=yes --num-callers=30
          # Cleaning the C library up at the exit of the plug-in's forked helpers would flush
          # the host's unwritten output a second time; what it frees is never counted as lost.
          --run-libc-freeres=no --run-cxx-freeres=no
          ${HOST} --plugin ${WORK} --dry-run --select "9783161484100" ${commands}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
message("${output}")
message("${errors}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "memcheck: exit ${result}")
endif()
# Every item was there and clicked.
string(REGEX MATCHALL "menu item [0-9]+: \"" shown "${output}")
list(LENGTH shown shownCount)
if(NOT shownCount EQUAL items)
  message(FATAL_ERROR "memcheck: ${shownCount} menu items shown, ${items} expected")
endif()
if(NOT output MATCHES "unloaded")
  message(FATAL_ERROR "memcheck: the session did not end with an unload")
endif()
file(REMOVE_RECURSE ${WORK})
