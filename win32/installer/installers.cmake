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
                            -P ${CMAKE_CURRENT_LIST_DIR}/other_architecture.cmake
                    BYPRODUCTS ${other_exe}
                    COMMENT "Building the ${other_preset} program for the installer"
                    VERBATIM)
  if(VELMORA_ARCHITECTURE STREQUAL x64)
    set(VELMORA_EXE_X64 ${VELMORA_EXE})
    set(VELMORA_EXE_X86 ${other_exe})
  else()
    set(VELMORA_EXE_X64 ${other_exe})
    set(VELMORA_EXE_X86 ${VELMORA_EXE})
  endif()
  # One script, made into an installer with the given NSIS stub.
  function(velmora_nsis_installer output target)
    set(VELMORA_INSTALLER ${output})
    set(VELMORA_NSIS_TARGET ${target})
    get_filename_component(name ${output} NAME_WLE)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/per_user.nsi.in ${CMAKE_CURRENT_BINARY_DIR}/${name}.nsi
                   @ONLY)
    add_custom_command(OUTPUT ${output}
                       COMMAND ${VELMORA_MAKENSIS} -V2 -INPUTCHARSET UTF8
                               ${CMAKE_CURRENT_BINARY_DIR}/${name}.nsi
                       DEPENDS velmora velmora_other_architecture ${other_exe}
                               ${CMAKE_CURRENT_BINARY_DIR}/${name}.nsi ${VELMORA_ICO}
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

# The per-machine package. wixl takes the files it packs by names relative
# to the folder it runs in.
find_program(VELMORA_WIXL wixl)
if(VELMORA_WIXL)
  set(VELMORA_MSI_SOURCE ${CMAKE_CURRENT_LIST_DIR}/per_machine.wxs PARENT_SCOPE)
  set(VELMORA_MSI
      ${CMAKE_CURRENT_BINARY_DIR}/velmora-${PROJECT_VERSION}-${VELMORA_ARCHITECTURE}.msi)
  set(VELMORA_MSI ${VELMORA_MSI} PARENT_SCOPE)
  add_custom_command(OUTPUT ${VELMORA_MSI}
                     COMMAND ${VELMORA_WIXL} --arch ${VELMORA_ARCHITECTURE}
                             --define Architecture=${VELMORA_ARCHITECTURE}
                             --define Version=${PROJECT_VERSION} --define Program=velmora.exe
                             --define Icon=velmora.ico --output ${VELMORA_MSI}
                             ${CMAKE_CURRENT_LIST_DIR}/per_machine.wxs
                     WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                     DEPENDS velmora ${CMAKE_CURRENT_LIST_DIR}/per_machine.wxs ${VELMORA_ICO}
                     COMMENT "Making the per-machine package"
                     VERBATIM)
  add_custom_target(msi ALL DEPENDS ${VELMORA_MSI})
else()
  message(STATUS "wixl not found: building without the per-machine package")
endif()
