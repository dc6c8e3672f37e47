# `cmake --build BUILD --target release` writes Quivra-VERSION-win64.zip (one
# folder, Quivra) and Quivra-VERSION-setup.exe (a per-user installer) into BUILD.
find_program(MAKENSIS makensis)
set(release_folder ${CMAKE_BINARY_DIR}/release)
set(stage ${release_folder}/Quivra)
set(readme "${stage}/はじめにお読みください.txt")
# UTF-8 with its byte-order mark and CRLF, as Notepad on any Windows reads it.
configure_file(${CMAKE_SOURCE_DIR}/res/release/readme.txt.in ${release_folder}/readme.txt @ONLY NEWLINE_STYLE CRLF)
set(zip ${CMAKE_BINARY_DIR}/Quivra-${PROJECT_VERSION}-win64.zip)
set(installer ${CMAKE_BINARY_DIR}/Quivra-${PROJECT_VERSION}-setup.exe)

add_custom_target(release
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage} ${zip} ${installer}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/manual
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:quivra> ${CMAKE_SOURCE_DIR}/res/sounds/ok.wav
          ${CMAKE_SOURCE_DIR}/res/sounds/error.wav ${CMAKE_SOURCE_DIR}/doc/quivra.html ${stage}
  COMMAND ${CMAKE_COMMAND} -E copy ${manual_pictures} ${stage}/manual
  COMMAND ${CMAKE_COMMAND} -E copy ${release_folder}/readme.txt ${readme}
  COMMAND ${CMAKE_COMMAND} -E chdir ${release_folder} ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Quivra
  COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION} -DSTAGE=${stage}
          -DICON=${CMAKE_SOURCE_DIR}/res/icons/2000.ico -DOUTFILE=${installer} ${CMAKE_SOURCE_DIR}/res/release/quivra.nsi
  DEPENDS quivra
  COMMENT "Writing ${zip} and ${installer}"
  VERBATIM)
