# `cmake --build BUILD --target release` writes Quivra-VERSION-win64.zip (one
# folder, Quivra) and Quivra-VERSION-setup.exe (a per-user installer) into
# BUILD, both from what `cmake --install` puts in a folder.
find_program(MAKENSIS makensis)
set(release_folder ${CMAKE_BINARY_DIR}/release)
set(stage ${release_folder}/Quivra)
set(file_list ${release_folder}/files.nsh)
# UTF-8 with its byte-order mark and CRLF, as Notepad on any Windows reads it.
configure_file(${CMAKE_SOURCE_DIR}/res/release/readme.txt.in ${release_folder}/readme.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${release_folder}/readme.txt DESTINATION . RENAME "はじめにお読みください.txt")
set(zip ${CMAKE_BINARY_DIR}/Quivra-${PROJECT_VERSION}-win64.zip)
set(installer ${CMAKE_BINARY_DIR}/Quivra-${PROJECT_VERSION}-setup.exe)

if(NOT MAKENSIS)
  add_custom_target(release
    COMMAND ${CMAKE_COMMAND} -E echo "The release needs makensis: install NSIS (Debian: apt-get install nsis), then configure again."
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
  return()
endif()

add_custom_target(release
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip} ${installer}
  COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DSTAGE=${stage} -DLIST=${file_list}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/stage_release.cmake
  COMMAND ${CMAKE_COMMAND} -E chdir ${release_folder} ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Quivra
  COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION} -DFILES=${file_list}
          -DICON=${CMAKE_SOURCE_DIR}/res/icons/2000.ico -DOUTFILE=${installer} ${CMAKE_SOURCE_DIR}/res/release/quivra.nsi
  DEPENDS quivra
  COMMENT "Writing ${zip} and ${installer}"
  VERBATIM)
