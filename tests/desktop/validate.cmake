# cmake -DTOOL=<program> -DARGS=<arguments> -P validate.cmake
# Runs a desktop metadata validator and fails on any error, warning or hint it reports, not only on those it
# counts as fatal. AppStream's infos pass: the one it gives, that the id's top-level domain is not one it
# knows, is true of any id of ours.
find_program(tool ${TOOL})
if(NOT tool)
    message(FATAL_ERROR "${TOOL} is not installed; script/bootstrap installs it")
endif()
execute_process(COMMAND ${tool} ${ARGS} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
list(JOIN ARGS " " shown)
message(STATUS "${TOOL} ${shown}:\n${out}")
if(NOT code EQUAL 0 OR out MATCHES "(^|\n)[^\n]*(error|warning|hint): |(^|\n) *[EW]: ")
    message(FATAL_ERROR "${TOOL} found problems (exit code ${code})")
endif()
