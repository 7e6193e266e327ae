# Runs COMMAND with ARGS (a ;-list), through EMULATOR when one is given, and fails
# unless it exits with EXPECTED.
execute_process(COMMAND ${EMULATOR} ${COMMAND} ${ARGS} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL EXPECTED)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED}\n${out}${err}")
endif()
