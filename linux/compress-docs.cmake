# Run by cpack on the staged files before it packs them: the manual pages and the changelog
# compressed as Debian wants them (gzip -9n: the best compression, no name or time stamp), and
# a page that is a link to another made a link to the other's compressed file.
set(root ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(GLOB pages LIST_DIRECTORIES false ${root}/share/man/man*/*)
foreach(file IN LISTS pages ITEMS ${root}/share/doc/${CPACK_PACKAGE_NAME}/changelog)
  if(IS_SYMLINK ${file})
    file(READ_SYMLINK ${file} target)
    file(REMOVE ${file})
    file(CREATE_LINK ${target}.gz ${file}.gz SYMBOLIC)
  else()
    execute_process(COMMAND gzip -9n ${file} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
