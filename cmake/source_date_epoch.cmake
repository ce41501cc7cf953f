# The one time a build writes into what it makes (file dates in the installers,
# the MSI's summary): SOURCE_DATE_EPOCH where it is set, otherwise the date of
# the commit being built, so that the same commit gives the same bytes. A tree
# outside git falls back to the date of its top CMakeLists.txt.
if(DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  set(VELMORA_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
  set(source "SOURCE_DATE_EPOCH")
else()
  # (Whoever owns the checkout: the date is the same for every user.)
  execute_process(COMMAND git -c safe.directory=${PROJECT_SOURCE_DIR} -C ${PROJECT_SOURCE_DIR}
                          log -1 --format=%ct
                  OUTPUT_VARIABLE VELMORA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_status ERROR_QUIET)
  set(source "the commit's date")
  if(NOT git_status EQUAL 0 OR VELMORA_SOURCE_DATE_EPOCH STREQUAL "")
    file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt VELMORA_SOURCE_DATE_EPOCH "%s" UTC)
    set(source "no git history: the date of CMakeLists.txt")
  endif()
endif()
if(NOT VELMORA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is \"${VELMORA_SOURCE_DATE_EPOCH}\", not seconds since 1970")
endif()
message(STATUS "Source date: ${VELMORA_SOURCE_DATE_EPOCH} (${source})")
