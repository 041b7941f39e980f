# Runs inside CPack once the installation is staged: adds the copyright and changelog
# that Debian asks of every package, and compresses what Debian wants compressed, without
# time stamps so that the package is reproducible.
set(staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${staged}/share/doc/${CPACK_PACKAGE_NAME})
file(MAKE_DIRECTORY ${doc})
file(COPY ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_CURRENT_LIST_DIR}/changelog
  DESTINATION ${doc})

file(GLOB man_pages ${staged}/share/man/man1/*.1)
foreach(file IN LISTS man_pages ITEMS ${doc}/changelog)
  execute_process(COMMAND gzip -9nf ${file} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot compress ${file}")
  endif()
endforeach()
