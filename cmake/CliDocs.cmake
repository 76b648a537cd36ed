# cmake -DPROGRAM=<turnpixa-cli> -DDIR=<folder> -P CliDocs.cmake
# Writes the manual page and the bash completion that turnpixa-cli makes
# from its option table.
foreach(pair "--print-man;turnpixa-cli.1" "--print-completion;turnpixa-cli.bash-completion")
  list(GET pair 0 option)
  list(GET pair 1 file)
  execute_process(COMMAND ${PROGRAM} ${option} OUTPUT_FILE ${DIR}/${file}.part
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${option} failed: ${status}")
  endif()
  file(RENAME ${DIR}/${file}.part ${DIR}/${file})
endforeach()
