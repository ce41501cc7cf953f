# Run by cpack after it has made the package: writes it again as Debian's own
# dpkg-deb writes one, so that its bytes do not depend on the umask cpack ran
# under. cpack gives the staged directories and the ar members the modes the
# umask left them; here every directory becomes 0755 and every file readable
# by all (executable where it was), as dh_fixperms leaves them, and dpkg-deb
# owns it all by root and writes the ar members' modes and dates itself (the
# dates from SOURCE_DATE_EPOCH, which cpack's project config file set).
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND chmod -R u+rwX,go=rX ${tree} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip -z9 --build ${tree} ${deb}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
