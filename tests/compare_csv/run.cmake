# One comparison of tools/compare_csv: its exit status must be EXPECT and its output match
# PATTERN.  cmake -DTOOL=... -DA=... -DB=... -DEXPECT=N -DPATTERN=... -P run.cmake
execute_process(COMMAND ${TOOL} ${A} ${B} RESULT_VARIABLE status OUTPUT_VARIABLE out)
if(NOT status EQUAL EXPECT)
  message(FATAL_ERROR "exit status ${status}, not ${EXPECT}:\n${out}")
endif()
if(NOT out MATCHES "${PATTERN}")
  message(FATAL_ERROR "the output does not match '${PATTERN}':\n${out}")
endif()
