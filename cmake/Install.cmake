# Installation and the Debian package. The program and radio-cli find their
# settings file, catalogues and pictures beside themselves, so everything of
# theirs goes into one private program directory; small launchers on the PATH
# start them from there under their full path.

include(GNUInstallDirs)
# Named after the package, whatever the project is called.
set(DOC_INSTALL_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/radio-programmer)

set(PROGRAM_INSTALL_DIR lib/radio-programmer)
file(RELATIVE_PATH BIN_TO_PROGRAM /${CMAKE_INSTALL_BINDIR} /${PROGRAM_INSTALL_DIR})
file(RELATIVE_PATH PROGRAM_TO_DOC /${PROGRAM_INSTALL_DIR} /${DOC_INSTALL_DIR})
# Help finds the installed documentation from the program directory.
target_compile_definitions(radiogui PRIVATE RADIO_DOC_DIR="${PROGRAM_TO_DOC}")

set(INSTALL_STAGE ${CMAKE_BINARY_DIR}/install-stage)

install(TARGETS Program radio-cli RUNTIME DESTINATION ${PROGRAM_INSTALL_DIR})
install(FILES ${QM_FILES} ${STAGED_OUT} DESTINATION ${PROGRAM_INSTALL_DIR})
install(FILES ${CHANNEL_SETS_OUT} DESTINATION ${PROGRAM_INSTALL_DIR}/channel-sets)

foreach(pair "radio-programmer:Program" "radio-cli:radio-cli")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 LAUNCHER)
  list(GET pair 1 TARGET)
  configure_file(${CMAKE_SOURCE_DIR}/res/install/launcher.in ${INSTALL_STAGE}/${LAUNCHER} @ONLY)
  install(PROGRAMS ${INSTALL_STAGE}/${LAUNCHER} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# Desktop entry, the configuration files' type, AppStream data and icons in
# the standard sizes.
install(FILES res/radio-programmer.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES res/install/radio-programmer-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME radio-programmer.xml)
configure_file(res/install/radio-programmer.metainfo.xml
  ${INSTALL_STAGE}/org.example.radio_programmer.metainfo.xml @ONLY)
install(FILES ${INSTALL_STAGE}/org.example.radio_programmer.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

find_program(CONVERT_EXECUTABLE convert)
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(INSTALL_GENERATED)
if(CONVERT_EXECUTABLE)
  foreach(size 16 32 48 64 128 256)
    set(png ${INSTALL_STAGE}/icons/${size}/radio-programmer.png)
    # No time stamps in the PNGs: the package's files stay the same from build to build.
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${INSTALL_STAGE}/icons/${size}
      COMMAND ${CONVERT_EXECUTABLE} ${CMAKE_SOURCE_DIR}/res/radio-programmer.png
              -resize ${size}x${size} -strip -define png:exclude-chunks=date,time ${png}
      DEPENDS ${CMAKE_SOURCE_DIR}/res/radio-programmer.png VERBATIM)
    list(APPEND INSTALL_GENERATED ${png})
    install(FILES ${png}
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
else()
  message(WARNING "ImageMagick's convert not found: the menu icon is installed in 64x64 only")
  install(FILES res/radio-programmer.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
endif()

# Manual pages, compressed as Debian wants them (-n: no name or time stamp).
foreach(page radio-cli.1 radio-programmer.1)
  set(gz ${INSTALL_STAGE}/man/${page}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${INSTALL_STAGE}/man
    COMMAND ${GZIP_EXECUTABLE} -9nc ${CMAKE_SOURCE_DIR}/res/man/${page} > ${gz}
    DEPENDS ${CMAKE_SOURCE_DIR}/res/man/${page})
  list(APPEND INSTALL_GENERATED ${gz})
  install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(FILES res/completion/radio-cli
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
# udev reads its rules from <prefix>/lib/udev/rules.d only when the prefix is /usr.
install(FILES res/install/70-radio-programmer-cables.rules DESTINATION lib/udev/rules.d)

# Documentation: the README (opened by Help when the language's help file is
# not beside the program), the copyright and the package's changelog.
set(PACKAGE_RELEASE 1)
set(PACKAGE_VERSION ${PROJECT_VERSION}-${PACKAGE_RELEASE})
configure_file(res/install/changelog.in ${INSTALL_STAGE}/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${INSTALL_STAGE}/changelog.Debian.gz
  COMMAND ${GZIP_EXECUTABLE} -9nc ${INSTALL_STAGE}/changelog.Debian > ${INSTALL_STAGE}/changelog.Debian.gz
  DEPENDS ${INSTALL_STAGE}/changelog.Debian)
list(APPEND INSTALL_GENERATED ${INSTALL_STAGE}/changelog.Debian.gz)
install(FILES README.md res/install/copyright ${INSTALL_STAGE}/changelog.Debian.gz
  DESTINATION ${DOC_INSTALL_DIR})

add_custom_target(install-data ALL DEPENDS ${INSTALL_GENERATED})

# ---------------------------------------------------------------- package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME radio-programmer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Radio Programmer developers <radio-programmer@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for 16-channel two-way radios")
set(CPACK_PACKAGE_DESCRIPTION
  "Reads the configuration memory of a 16-channel two-way radio through a\n\
serial programming cable, edits its channels in a grid and its radio-wide\n\
options in dialogs, saves and prints the configuration and writes it back\n\
to the radio, in English and Chinese. The command-line tool radio-cli does\n\
the same for scripts. USB programming cables (CH340, PL2303, CP210x, FTDI)\n\
are usable by the user at the seat without joining the dialout group.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: Qt's platform plugins to open a window at all, fonts
# for the Chinese texts, and Qt's own translations of its standard dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, fonts-noto-cjk | fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
