# Builds velmora.exe for the other architecture in the build folder of its
# preset, configuring that first where it never was (cmake -P, with SOURCE,
# PRESET and BINARY set). The per-user installer carries both programs.
if(NOT EXISTS ${BINARY}/CMakeCache.txt)
  execute_process(COMMAND ${CMAKE_COMMAND} --preset ${PRESET} WORKING_DIRECTORY ${SOURCE}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY} --target velmora OUTPUT_QUIET
                COMMAND_ERROR_IS_FATAL ANY)
