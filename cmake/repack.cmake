# Run by CPack once it has made a package (CPACK_POST_BUILD_SCRIPTS), to make it again so that its
# bytes depend on what it holds alone, not on the file system it was staged on:
# - CPack writes an archive's entries in the order the file system lists them (ext4 orders by a
#   hash of its own): here they are sorted by name, owned by root, given the usual modes and,
#   where SOURCE_DATE_EPOCH is set, its time.
# - CPack counts a folder of a Debian package at the size the file system gives it (4 KiB on
#   ext4, less on tmpfs) in Installed-Size: here it is counted as dpkg-gencontrol counts, 1 KiB a
#   folder and each file's size in KiB, rounded up, and dpkg-deb packs the package again.
set(staged "${CPACK_TEMPORARY_DIRECTORY}")
cmake_path(GET staged PARENT_PATH top)
cmake_path(GET staged FILENAME folder)
set(epoch "$ENV{SOURCE_DATE_EPOCH}")

foreach(archive IN LISTS CPACK_PACKAGE_FILES)
  if(archive MATCHES "\\.deb$")
    set(tree "${top}/deb-tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb --raw-extract "${archive}" "${tree}"
      COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${tree}" "${tree}/*")
    set(kib 0)
    foreach(entry IN LISTS entries)
      if(entry MATCHES "^DEBIAN(/|$)")
        continue()
      elseif(IS_DIRECTORY "${tree}/${entry}")
        math(EXPR kib "${kib} + 1")
      else()
        file(SIZE "${tree}/${entry}" size)
        math(EXPR kib "${kib} + (${size} + 1023) / 1024")
      endif()
    endforeach()
    file(READ "${tree}/DEBIAN/control" control)
    string(REGEX REPLACE "\nInstalled-Size: [0-9]+\n" "\nInstalled-Size: ${kib}\n"
      control "${control}")
    file(WRITE "${tree}/DEBIAN/control" "${control}")
    file(REMOVE "${archive}")
    execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${archive}"
      OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    continue()
  endif()
  file(REMOVE "${archive}")
  if(archive MATCHES "\\.zip$")
    # A zip entry's time is local time, and zip reads it from the file.
    set(ENV{TZ} UTC)
    file(GLOB_RECURSE entries RELATIVE "${top}" "${staged}/*")
    list(SORT entries)
    if(epoch)
      execute_process(COMMAND touch --no-dereference "--date=@${epoch}" ${entries}
        WORKING_DIRECTORY "${top}" COMMAND_ERROR_IS_FATAL ANY)
    endif()
    # -X leaves out the owner and the extra time fields; -D the folders' own entries.
    execute_process(COMMAND zip -q -X -D "${archive}" ${entries}
      WORKING_DIRECTORY "${top}" COMMAND_ERROR_IS_FATAL ANY)
  else()
    set(mtime)
    if(epoch)
      set(mtime "--mtime=@${epoch}")
    endif()
    execute_process(
      COMMAND tar --create --file=- --format=gnu --sort=name --owner=0 --group=0 --numeric-owner
              --mode=u=rwX,go=rX ${mtime} "${folder}"
      COMMAND gzip -9 --no-name
      WORKING_DIRECTORY "${top}" OUTPUT_FILE "${archive}" COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
