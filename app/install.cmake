# Installation and the Debian package built from it. An installed Quillet finds its help file
# and default keyword files in <prefix>/share/quillet (app/program_files.h) and keeps its
# settings in the user's configuration folder when it may not write beside itself.
include(GNUInstallDirs)
# Installing and packaging take the programs as built: `cpack` does not build the whole tree
# (tests and benchmarks included) first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(QUILLET_DATA_DIR ${CMAKE_INSTALL_DATADIR}/quillet)
install(TARGETS quillet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/quillet.hlp ${CMAKE_SOURCE_DIR}/resources/Quote.kwd
              ${CMAKE_SOURCE_DIR}/resources/Header.kwd
        DESTINATION ${QUILLET_DATA_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/quillet.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/quillet-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME quillet.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/quillet.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillet)

# The options program goes beside the viewer, where the viewer looks for it. Its target may be
# declared anywhere in the tree, so it is looked for once the whole tree is read.
function(quillet_install_options_program)
  if(TARGET quillcfg)
    install(TARGETS quillcfg RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quillet_install_options_program)

# The package: `cpack -G DEB` in the build tree. Its library dependencies are read from the
# installed programs by dpkg-shlibdeps (dpkg-dev); without it they are the Qt 6 libraries the
# viewer links, at the version Debian 12 ships.
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VENDOR "The Quillet developers")
set(CPACK_PACKAGE_CONTACT "Quillet <quillet@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for one stored mail message in Shift_JIS")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillet shows one stored mail message (.eml) in a window of its own: sender, recipient,\n"
    "date, subject and a priority stamp in a header bar, and the body, the header block or the\n"
    "whole source as Shift_JIS (code page 932) text, byte for byte. The interface is Japanese.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quillet.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION mail)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Japanese fonts the window's faces map to, and the opener that takes mailto: URLs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, xdg-utils")
find_program(QUILLET_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUILLET_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libstdc++6 (>= 12), libc6")
endif()
include(CPack)
