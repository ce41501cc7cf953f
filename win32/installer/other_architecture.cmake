# Builds velmora.exe for the other architecture in the build folder of its
# preset (cmake -P, with SOURCE, PRESET, BINARY and SIGNING, the certificate
# this build signs with, set), configuring it first where it never was or
# where it signs with another certificate. The per-user installer carries both
# programs.
set(signing "")
if(EXISTS ${BINARY}/signing-certificate.txt)
  file(READ ${BINARY}/signing-certificate.txt signing)
endif()
if(NOT EXISTS ${BINARY}/CMakeCache.txt OR NOT signing STREQUAL SIGNING)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env VELMORA_SIGNING_PKCS12=${SIGNING}
                          ${CMAKE_COMMAND} --preset ${PRESET}
                  WORKING_DIRECTORY ${SOURCE} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY} --target velmora OUTPUT_QUIET
                COMMAND_ERROR_IS_FATAL ANY)
