# Writes the service worker (SITE/sw.js from TEMPLATE) with the list of every
# file of the site but itself and the checksums, and a version that is the
# digest of them all: any change to any file gives the service worker a new
# version.
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js SHA256SUMS)
list(SORT files)
set(digests)
set(VELMORA_SITE_FILES "\"./\"")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  string(APPEND VELMORA_SITE_FILES ", \"${file}\"")
endforeach()
string(SHA256 all "${digests}")
string(SUBSTRING ${all} 0 16 VELMORA_SITE_VERSION)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
