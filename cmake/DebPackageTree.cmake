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
