# Run by cpack on the staged tree just before it packs it: what only the Debian package has.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

# dpkg's tools and lintian expect these compressed at the highest level, with no name or time
# stamp inside, so that the same sources give the same package.
function(morvi_gzip file)
    execute_process(COMMAND gzip -9nf "${file}" COMMAND_ERROR_IS_FATAL ANY)
endfunction()

set(doc "${usr}/share/doc/morvi")
file(MAKE_DIRECTORY "${doc}")
file(COPY_FILE "${CPACK_MORVI_DEB_DIR}/changelog" "${doc}/changelog.Debian")
morvi_gzip("${doc}/changelog.Debian")
file(GLOB manual_pages "${usr}/share/man/man1/*.1")
foreach(page IN LISTS manual_pages)
    morvi_gzip("${page}")
endforeach()

# The food list is the user's, so it lives in /etc as a conffile of the package. The program reads
# menu.txt from its own directory only, so a link there leads to it.
set(list_link "${usr}/${CPACK_MORVI_PROGRAM_DIR}/menu.txt")
file(MAKE_DIRECTORY "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/etc/morvi")
file(RENAME "${list_link}" "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/etc/morvi/menu.txt")
file(CREATE_LINK /etc/morvi/menu.txt "${list_link}" SYMBOLIC)

# Its encoding is the one lintian would warn of; the override says why.
file(MAKE_DIRECTORY "${usr}/share/lintian/overrides")
file(COPY_FILE "${CPACK_MORVI_DEB_DIR}/lintian-overrides" "${usr}/share/lintian/overrides/morvi")

# Modes set here, not inherited: a source tree from `git archive` or a checkout under umask 002
# would otherwise give group-writable files and folders, which lintian refuses.
set(programs "${CPACK_MORVI_PROGRAMS}")
list(TRANSFORM programs PREPEND "${usr}/${CPACK_MORVI_PROGRAM_DIR}/")
set(folders "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
set(files)
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(path IN LISTS staged)
    if(IS_SYMLINK "${path}")
        continue()  # a link has no mode of its own; changing it would change its target
    elseif(IS_DIRECTORY "${path}")
        list(APPEND folders "${path}")
    else()
        list(APPEND files "${path}")
    endif()
endforeach()
file(CHMOD ${files} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(CHMOD ${folders} ${programs} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
