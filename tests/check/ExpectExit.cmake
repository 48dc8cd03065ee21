# Runs PROGRAM (under EMULATOR, if any) with ARGUMENTS ("|" between them) and fails unless it
# exits with STATUS and its output (standard output and error together) matches the regular
# expression OUTPUT.
string(REPLACE "|" ";" arguments "${ARGUMENTS}")
set(command ${PROGRAM} ${arguments})
if(EMULATOR)
  set(command ${EMULATOR} ${command})
endif()
execute_process(COMMAND ${command} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${out}${err}")
endif()
if(NOT "${out}${err}" MATCHES "${OUTPUT}")
  message(FATAL_ERROR "output does not match ${OUTPUT}:\n${out}${err}")
endif()
