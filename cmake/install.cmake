# `cmake --install`: both libraries, their public headers (with the generated umbrella
# headers) and one pkg-config file per library. The .pc files locate the prefix from their
# own folder (${pcfiledir}), so a tree installed with --prefix or DESTDIR anywhere, or moved
# later, still compiles against itself.
include(GNUInstallDirs)

# libzevavadarudod finds libproviders next to itself wherever the tree lands.
set_target_properties(providers zevavadarudod PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS providers zevavadarudod LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})

foreach(lib providers rezezadovu)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${lib}/include/tarvelin/${lib}
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarvelin FILES_MATCHING PATTERN "*.h")
  install(FILES ${PROJECT_BINARY_DIR}/include/tarvelin/${lib}/${lib}.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarvelin/${lib})
endforeach()

set(pcdir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH TARVELIN_PC_TO_PREFIX /prefix/${pcdir} /prefix)
string(REGEX REPLACE "/$" "" TARVELIN_PC_TO_PREFIX "${TARVELIN_PC_TO_PREFIX}")
get_filename_component(TARVELIN_SYBDB_NAME ${SYBDB_LIBRARY} NAME_WE)
string(REGEX REPLACE "^lib" "" TARVELIN_SYBDB_NAME ${TARVELIN_SYBDB_NAME})
# The client libraries are the libraries' own business: they appear only as Libs.private
# (a static link's needs), never as Requires or Requires.private, whose Cflags pkg-config
# would hand every host along with their include folders.
set(TARVELIN_PROVIDERS_LIBS_PRIVATE "")
foreach(lib ${MARIADB_LIBRARIES} ${PQ_LIBRARIES} ${HIREDIS_LIBRARIES} ${TARVELIN_SYBDB_NAME})
  string(APPEND TARVELIN_PROVIDERS_LIBS_PRIVATE " -l${lib}")
endforeach()
set(TARVELIN_REZEZADOVU_LIBS_PRIVATE "")
foreach(lib ${LIBXML_LIBRARIES} ${CRYPTO_LIBRARIES} ${UCHARDET_LIBRARIES})
  string(APPEND TARVELIN_REZEZADOVU_LIBS_PRIVATE " -l${lib}")
endforeach()
foreach(pc tarvelin-providers tarvelin-rezezadovu)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/pkgconfig/${pc}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/pkgconfig/${pc}.pc DESTINATION ${pcdir})
endforeach()
