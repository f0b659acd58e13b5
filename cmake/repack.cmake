# Run by CPack once it has made an archive (CPACK_POST_BUILD_SCRIPTS), to make it again so that
# its bytes depend on what it holds alone, not on the file system it was staged on: CPack writes
# the entries in the order the file system lists them (ext4 orders by a hash of its own); here
# they are sorted by name, owned by root, given the usual modes and, where SOURCE_DATE_EPOCH is
# set, its time.
set(staged "${CPACK_TEMPORARY_DIRECTORY}")
cmake_path(GET staged PARENT_PATH top)
cmake_path(GET staged FILENAME folder)
set(epoch "$ENV{SOURCE_DATE_EPOCH}")

foreach(archive IN LISTS CPACK_PACKAGE_FILES)
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
