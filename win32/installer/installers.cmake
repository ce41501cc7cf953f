# The installers, beside the program in build/windows/win32 (and
# build/windows-x86/win32):
#   velmora-<version>-setup.exe  per user, for x64 and x86 alike (NSIS)
#   velmora-<version>-<arch>.msi per machine, one for each architecture (wixl)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VELMORA_ARCHITECTURE x64)
  set(other_preset windows-x86)
else()
  set(VELMORA_ARCHITECTURE x86)
  set(other_preset windows)
endif()
set(VELMORA_ARCHITECTURE ${VELMORA_ARCHITECTURE} PARENT_SCOPE)

# The per-user installer holds this build's program and the other
# architecture's, which it builds in that preset's folder on the way.
find_program(VELMORA_MAKENSIS makensis)
if(VELMORA_MAKENSIS)
  set(VELMORA_OTHER_ARCHITECTURE_BUILD ${PROJECT_SOURCE_DIR}/build/${other_preset}
      CACHE PATH "The build of the other architecture's program, for the installer")
  set(other_exe ${VELMORA_OTHER_ARCHITECTURE_BUILD}/win32/velmora.exe)
  add_custom_target(velmora_other_architecture
                    COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}
                            -DPRESET=${other_preset} -DBINARY=${VELMORA_OTHER_ARCHITECTURE_BUILD}
                            -DSIGNING=${VELMORA_SIGNING_PKCS12}
                            -P ${CMAKE_CURRENT_LIST_DIR}/other_architecture.cmake
                    BYPRODUCTS ${other_exe}
                    COMMENT "Building the ${other_preset} program for the installer"
                    VERBATIM)
  if(VELMORA_ARCHITECTURE STREQUAL x64)
    set(built_x64 ${VELMORA_EXE})
    set(built_x86 ${other_exe})
  else()
    set(built_x64 ${other_exe})
    set(built_x86 ${VELMORA_EXE})
  endif()
  # NSIS keeps each file's date: copies dated at the source date, so that the
  # same source gives the same installer.
  set(VELMORA_EXE_X64 ${CMAKE_CURRENT_BINARY_DIR}/installer-files/x64/velmora.exe)
  set(VELMORA_EXE_X86 ${CMAKE_CURRENT_BINARY_DIR}/installer-files/x86/velmora.exe)
  # (A stamp of its own tells the build that they are up to date.)
  set(dated ${CMAKE_CURRENT_BINARY_DIR}/installer-files/dated.stamp)
  add_custom_command(OUTPUT ${dated}
                     BYPRODUCTS ${VELMORA_EXE_X64} ${VELMORA_EXE_X86}
                     COMMAND ${CMAKE_COMMAND} -E copy ${built_x64} ${VELMORA_EXE_X64}
                     COMMAND ${CMAKE_COMMAND} -E copy ${built_x86} ${VELMORA_EXE_X86}
                     COMMAND touch -d @${VELMORA_SOURCE_DATE_EPOCH} ${VELMORA_EXE_X64}
                             ${VELMORA_EXE_X86}
                     COMMAND ${CMAKE_COMMAND} -E touch ${dated}
                     DEPENDS velmora velmora_other_architecture ${other_exe}
                     COMMENT "Dating the programs for the installer"
                     VERBATIM)
  # One script, made into an installer with the given NSIS stub.
  # makensis signs the installer and the uninstaller it carries, as it makes them.
  set(VELMORA_NSIS_SIGNING "")
  if(VELMORA_SIGN)
    set(VELMORA_NSIS_SIGNING "!finalize 'sh \"${VELMORA_SIGN}\" \"%1\"'\n")
    string(APPEND VELMORA_NSIS_SIGNING "!uninstfinalize 'sh \"${VELMORA_SIGN}\" \"%1\"'")
  endif()
  function(velmora_nsis_installer output target)
    set(VELMORA_INSTALLER ${output})
    set(VELMORA_NSIS_TARGET ${target})
    get_filename_component(name ${output} NAME_WLE)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/per_user.nsi.in ${CMAKE_CURRENT_BINARY_DIR}/${name}.nsi
                   @ONLY)
    add_custom_command(OUTPUT ${output}
                       COMMAND ${VELMORA_MAKENSIS} -V2 -INPUTCHARSET UTF8
                               ${CMAKE_CURRENT_BINARY_DIR}/${name}.nsi
                       DEPENDS ${dated} ${CMAKE_CURRENT_BINARY_DIR}/${name}.nsi ${VELMORA_ICO}
                       COMMENT "Making ${name}.exe, the per-user installer (${target})"
                       VERBATIM)
  endfunction()
  set(VELMORA_INSTALLER ${CMAKE_CURRENT_BINARY_DIR}/velmora-${PROJECT_VERSION}-setup.exe)
  set(VELMORA_INSTALLER ${VELMORA_INSTALLER} PARENT_SCOPE)
  velmora_nsis_installer(${VELMORA_INSTALLER} x86-unicode)
  add_custom_target(installer ALL DEPENDS ${VELMORA_INSTALLER})

  # Where Wine cannot run the 32-bit installer, the x64 build also makes it
  # with NSIS's 64-bit stub, for its tests alone: the same script's logic,
  # installed, started and removed under 64-bit Wine. Users get the one above.
  execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/lib/runs_32bit_programs --wine
                  RESULT_VARIABLE runs_32bit OUTPUT_QUIET)
  if(VELMORA_ARCHITECTURE STREQUAL x64 AND NOT runs_32bit EQUAL 0)
    set(stub_installer ${CMAKE_CURRENT_BINARY_DIR}/velmora-${PROJECT_VERSION}-setup-64-bit-stub.exe)
    velmora_nsis_installer(${stub_installer} amd64-unicode)
    add_custom_target(installer_64_bit_stub ALL DEPENDS ${stub_installer})
    set(VELMORA_INSTALLER_64_BIT_STUB ${stub_installer} PARENT_SCOPE)
  endif()
else()
  message(STATUS "makensis not found: building without the per-user installer")
endif()

# The per-machine package, by wixl, through one script that the tests use too.
find_program(VELMORA_WIXL wixl)
if(VELMORA_WIXL)
  find_program(VELMORA_MSIBUILD msibuild REQUIRED)
  find_program(VELMORA_FAKETIME faketime REQUIRED)
  set(VELMORA_MSI_SOURCE ${CMAKE_CURRENT_LIST_DIR}/per_machine.wxs)
  set(VELMORA_MSI
      ${CMAKE_CURRENT_BINARY_DIR}/velmora-${PROJECT_VERSION}-${VELMORA_ARCHITECTURE}.msi)
  set(VELMORA_MSI ${VELMORA_MSI} PARENT_SCOPE)
  set(VELMORA_MAKE_MSI ${CMAKE_CURRENT_BINARY_DIR}/make_msi.sh)
  set(VELMORA_MAKE_MSI ${VELMORA_MAKE_MSI} PARENT_SCOPE)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/make_msi.sh.in ${VELMORA_MAKE_MSI} @ONLY)
  add_custom_command(OUTPUT ${VELMORA_MSI}
                     COMMAND sh ${VELMORA_MAKE_MSI} ${PROJECT_VERSION} ${VELMORA_EXE} ${VELMORA_MSI}
                     DEPENDS velmora ${VELMORA_MSI_SOURCE} ${VELMORA_ICO} ${VELMORA_MAKE_MSI}
                             ${CMAKE_CURRENT_LIST_DIR}/make_msi.cmake
                     COMMENT "Making the per-machine package"
                     VERBATIM)
  add_custom_target(msi ALL DEPENDS ${VELMORA_MSI})
else()
  message(STATUS "wixl not found: building without the per-machine package")
endif()

# The checksums of what users get from this folder, beside it.
set(deliverables velmora.exe)
set(deliverable_paths ${VELMORA_EXE})
foreach(file ${VELMORA_INSTALLER} ${VELMORA_MSI})
  get_filename_component(name ${file} NAME)
  list(APPEND deliverables ${name})
  list(APPEND deliverable_paths ${file})
endforeach()
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/SHA256SUMS
                   COMMAND ${CMAKE_COMMAND} -DFOLDER=${CMAKE_CURRENT_BINARY_DIR}
                           "-DFILES=${deliverables}" -P ${PROJECT_SOURCE_DIR}/cmake/sha256sums.cmake
                   DEPENDS velmora ${deliverable_paths} ${PROJECT_SOURCE_DIR}/cmake/sha256sums.cmake
                   COMMENT "Listing the checksums of the Windows files"
                   VERBATIM)
add_custom_target(checksums ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/SHA256SUMS)
