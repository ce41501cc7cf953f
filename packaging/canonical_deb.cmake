# Run by cpack after it has made the package: writes it again from debian/ as
# debhelper does, so that it is the package dpkg-buildpackage makes, and so
# that its bytes do not depend on the umask cpack ran under.
#  - debian/copyright for the upstream one (as dh_installdocs), the Debian
#    changelog beside the upstream one (gzip -9n, as dh_compress), the
#    package's lintian overrides (as dh_lintian).
#  - Every directory 0755 and every file readable by all (executable where it
#    was), as dh_fixperms leaves them; cpack gives the staged files and the ar
#    members the modes the umask left them.
#  - The control file by dpkg-gencontrol from debian/control and
#    debian/changelog, with the libraries' packages from dpkg-shlibdeps, as
#    dh_shlibdeps and dh_gencontrol write it: cpack's own is dropped.
#  - The checksums of every file, as dh_md5sums writes them.
#  - dpkg-deb owns it all by root and writes the ar members' modes and dates
#    itself (the dates from SOURCE_DATE_EPOCH, which cpack's project config
#    file set).
set(debian ${CPACK_VELMORA_DEBIAN})
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  set(doc ${tree}/usr/share/doc/velmora)
  file(COPY_FILE ${debian}/copyright ${doc}/copyright)
  execute_process(COMMAND gzip -9nc ${debian}/changelog OUTPUT_FILE ${doc}/changelog.Debian.gz
                  COMMAND_ERROR_IS_FATAL ANY)
  file(MAKE_DIRECTORY ${tree}/usr/share/lintian/overrides)
  file(COPY_FILE ${debian}/velmora.lintian-overrides ${tree}/usr/share/lintian/overrides/velmora)
  execute_process(COMMAND chmod -R u+rwX,go=rX ${tree} COMMAND_ERROR_IS_FATAL ANY)

  file(REMOVE ${tree}/DEBIAN/control ${tree}/DEBIAN/md5sums)
  set(substvars ${deb}.substvars)
  file(WRITE ${substvars} "misc:Depends=\n")
  execute_process(COMMAND dpkg-shlibdeps -T${substvars} -e${tree}/usr/bin/velmora
                  WORKING_DIRECTORY ${debian}/.. COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND dpkg-gencontrol -pvelmora -c${debian}/control -l${debian}/changelog
                          -T${substvars} -P${tree} -f${deb}.files
                  WORKING_DIRECTORY ${debian}/.. COMMAND_ERROR_IS_FATAL ANY)

  file(GLOB_RECURSE files RELATIVE ${tree} LIST_DIRECTORIES false ${tree}/*)
  list(FILTER files EXCLUDE REGEX "^DEBIAN/")
  list(SORT files)
  set(md5sums)
  foreach(file IN LISTS files)
    file(MD5 ${tree}/${file} sum)
    string(APPEND md5sums "${sum}  ${file}\n")
  endforeach()
  file(WRITE ${tree}/DEBIAN/md5sums "${md5sums}")
  execute_process(COMMAND chmod 0644 ${tree}/DEBIAN/md5sums ${tree}/DEBIAN/control
                  COMMAND_ERROR_IS_FATAL ANY)

  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip -z9 --build ${tree} ${deb}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
  file(REMOVE ${substvars} ${deb}.files)
endforeach()
