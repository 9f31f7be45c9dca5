# Installed files beyond the programs and the data, and the Debian package
# (scripts/package). Included from the top-level CMakeLists.txt once Qt is
# found: the package holds both programs.

set(TERVANO_HOMEPAGE "https://tervano.it" CACHE STRING "Home page named by the package and its AppStream metadata")
set(TERVANO_MAINTAINER "Sviluppatori di Tervano1 <tervano1@tervano.it>" CACHE STRING "Maintainer of the package")

# AppStream metadata, with the version and the home page filled in.
set(TERVANO_METAINFO_IN ${PROJECT_SOURCE_DIR}/resources/it.tervano.Tervano1.metainfo.xml.in)
if(EXISTS ${TERVANO_METAINFO_IN})
  configure_file(${TERVANO_METAINFO_IN} ${PROJECT_BINARY_DIR}/it.tervano.Tervano1.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/it.tervano.Tervano1.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# Manual pages and the changelog, compressed as Debian wants them: gzip -9
# without a name or time stamp, so the same sources give the same bytes.
find_program(TERVANO_GZIP gzip REQUIRED)
set(TERVANO_COMPRESSED)
function(tervano_gzip source destination)
  get_filename_component(name ${source} NAME)
  set(output ${PROJECT_BINARY_DIR}/compressed/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/compressed
    COMMAND ${TERVANO_GZIP} -9 -n -c ${source} > ${output}
    DEPENDS ${source} VERBATIM)
  list(APPEND TERVANO_COMPRESSED ${output})
  set(TERVANO_COMPRESSED ${TERVANO_COMPRESSED} PARENT_SCOPE)
  install(FILES ${output} DESTINATION ${destination})
endfunction()
foreach(page Tervano1.1 tervano1-converti.1)
  if(EXISTS ${PROJECT_SOURCE_DIR}/man/${page})
    tervano_gzip(${PROJECT_SOURCE_DIR}/man/${page} ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()
tervano_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${CMAKE_INSTALL_DATADIR}/doc/tervano1)
add_custom_target(tervano_compressed ALL DEPENDS ${TERVANO_COMPRESSED})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tervano1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tervano1)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Sviluppatori di Tervano1")
set(CPACK_PACKAGE_CONTACT ${TERVANO_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TERVANO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TERVANO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Qt and C++ libraries come from what the programs link; the fonts are
# those the program puts in place of Comic Sans MS and Arial.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"trasformazione di coordinate fra i sistemi di riferimento italiani
Tervano1 converte un punto alla volta fra i sistemi di riferimento
geodetici italiani: ROMA40 con le coordinate piane Gauss-Boaga, ED50 e
WGS84 con le coordinate UTM. Passa dalle coordinate geografiche a quelle
piane e viceversa, alle coordinate geocentriche X, Y, Z e viceversa, in un
fuso di Gauss definito dall'utente, da un sistema all'altro attraverso una
tabella di punti comuni e fra i sistemi catastali Cassini-Soldner e
Gauss-Boaga. I risultati si raccolgono in una relazione stampata.
.
Il comando tervano1-converti converte interi file di punti con le stesse
regole e gli stessi controlli delle finestre.")
include(CPack)
