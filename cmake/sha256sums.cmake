# Writes FOLDER/SHA256SUMS (cmake -P), in the form `sha256sum -c` reads, so
# that anyone can check a download against it: for FILES (names relative to
# FOLDER, separated by ";"), or else for every file below FOLDER.
if(NOT DEFINED FILES)
  file(GLOB_RECURSE FILES RELATIVE ${FOLDER} ${FOLDER}/*)
  list(REMOVE_ITEM FILES SHA256SUMS)
  list(SORT FILES)
endif()
set(sums "")
foreach(file IN LISTS FILES)
  file(SHA256 ${FOLDER}/${file} digest)
  string(APPEND sums "${digest}  ${file}\n")
endforeach()
file(WRITE ${FOLDER}/SHA256SUMS "${sums}")
