# Makes the per-machine package (cmake -P), the same bytes from the same
# inputs: WIXL, MSIBUILD, FAKETIME, SOURCE (the .wxs), PROGRAM, ICON, VERSION,
# ARCHITECTURE (x64 or x86), EPOCH (SOURCE_DATE_EPOCH) and OUTPUT.
#  - The files go in with the epoch as their date (wixl stores each file's).
#  - The product code follows the version and architecture; the package code
#    is a digest of everything that goes in, so other content gets another.
#  - wixl has no option for the summary's dates or package code: it runs with
#    the clock at the epoch (faketime), and msibuild then sets the code.
cmake_minimum_required(VERSION 3.25)
file(STRINGS ${SOURCE} upgrade_code REGEX "UpgradeCode=\"[-0-9a-f]+\"")
string(REGEX REPLACE ".*UpgradeCode=\"([-0-9a-f]+)\".*" "\\1" upgrade_code "${upgrade_code}")
set(stage ${OUTPUT}.files)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})
file(COPY_FILE ${PROGRAM} ${stage}/velmora.exe)
file(COPY_FILE ${ICON} ${stage}/velmora.ico)
execute_process(COMMAND touch -d @${EPOCH} ${stage}/velmora.exe ${stage}/velmora.ico
                COMMAND_ERROR_IS_FATAL ANY)

file(SHA256 ${SOURCE} wxs_digest)
file(SHA256 ${PROGRAM} program_digest)
file(SHA256 ${ICON} icon_digest)
string(UUID product_code NAMESPACE ${upgrade_code} NAME "Velmora ${VERSION} ${ARCHITECTURE}"
       TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE ${upgrade_code}
       NAME "${wxs_digest} ${program_digest} ${icon_digest} ${VERSION} ${ARCHITECTURE} ${EPOCH}"
       TYPE SHA1 UPPER)
set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
string(TIMESTAMP clock "%Y-%m-%d %H:%M:%S" UTC) # the epoch, as faketime takes it
if(ARCHITECTURE STREQUAL x64)
  set(template "x64;1033")
else()
  set(template "Intel;1033")
endif()

set(ENV{TZ} UTC)
execute_process(COMMAND ${FAKETIME} -f "${clock}" ${WIXL} --arch ${ARCHITECTURE}
                        --define Architecture=${ARCHITECTURE} --define Version=${VERSION}
                        --define ProductCode=${product_code} --define Program=velmora.exe
                        --define Icon=velmora.ico --output ${OUTPUT} ${SOURCE}
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${FAKETIME} -f "${clock}" ${MSIBUILD} ${OUTPUT} -s "Velmora ${VERSION}"
                        "Velmora developers" "${template}" "{${package_code}}"
                COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${stage})
