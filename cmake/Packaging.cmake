# Installing and packing: the four programs in bin/, a manual page each in
# share/man/man1/; CPack makes a .zip of a Windows build, a .tar.gz elsewhere.
include(GNUInstallDirs)

set(neorom_programs pellimar galdrun ostrim vendrel)
install(TARGETS ${neorom_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(program IN LISTS neorom_programs)
  install(FILES ${PROJECT_SOURCE_DIR}/man/${program}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

set(CPACK_PACKAGE_VENDOR "neorom")
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR TGZ)
  # The processor in the name, so the s390x package is not taken for the native one.
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
endif()
include(CPack)
