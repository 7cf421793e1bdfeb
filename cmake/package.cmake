# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The manual page, the copyright file and the changelog, where Debian expects
# them and where they serve any other install as well, and the Debian package
# that CPack builds from the install (scripts/package).
#
# CPack's DEB generator rather than a debian/ folder: the install rules above
# already say where everything goes, so the package needs only its control
# fields here, and dpkg-shlibdeps still computes its dependencies.

set(tallyfox_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tallyfox)
set(tallyfox_packaging_dir ${CMAKE_CURRENT_LIST_DIR}/../packaging/debian)

# The changelog's latest entry names the version being built.
file(STRINGS ${tallyfox_packaging_dir}/changelog tallyfox_changelog_top LIMIT_COUNT 1)
if(NOT tallyfox_changelog_top MATCHES "^tallyfox \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/debian/changelog: the latest entry is not for version "
        "${PROJECT_VERSION}: ${tallyfox_changelog_top}")
endif()

# Compressed when the build is configured, with gzip -9n (no name, no time
# stamp), so the files exist for any install and the package is reproducible.
# The copies make a change of the source file configure the build again.
configure_file(docs/tallyfox.1.in ${CMAKE_BINARY_DIR}/doc/tallyfox.1 @ONLY)
configure_file(${tallyfox_packaging_dir}/changelog ${CMAKE_BINARY_DIR}/doc/changelog COPYONLY)
foreach(file tallyfox.1 changelog)
    execute_process(COMMAND gzip -9n --force --keep ${CMAKE_BINARY_DIR}/doc/${file}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/doc/tallyfox.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# A package made by the program's own developers is a native Debian package,
# whose changelog is changelog.gz.
install(FILES ${CMAKE_BINARY_DIR}/doc/changelog.gz ${tallyfox_packaging_dir}/copyright
    DESTINATION ${tallyfox_doc_dir})

# Translations: the program's own .qm files are installed beside it (see
# translations/CMakeLists.txt); Qt's own, for the message box's button, come
# from qt6-translations-l10n, recommended below.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyfox)
set(CPACK_PACKAGE_VENDOR "Tallyfox developers")
set(CPACK_PACKAGE_CONTACT "Tallyfox developers <tallyfox@tallyfox-learning.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "practise mental arithmetic one sum at a time")
# Lines of at most 80 characters, as the package tools show them.
set(CPACK_PACKAGE_DESCRIPTION [[
Tallyfox poses one sum at a time: an addition, a subtraction, a
multiplication, or a division with a whole quotient and a remainder. It
judges the answer exactly, shows a tick or a cross, shows the right answer
after a wrong one, and keeps a running tally and percentage score.

The operations to practise and the largest number used for each can be
chosen, and the choices are kept between sessions.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tallyfox-learning.example.org")
# Depends: the faces the fixed layout is measured with, which no tool can see
# (in another face captions and five-digit numbers overflow their boxes):
# Liberation Sans, and the Noto UI faces for Arabic, Devanagari, Bengali and
# Thai (5 MB in all); and what dpkg-shlibdeps computes from the libraries the
# program uses, appended.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-noto-ui-core")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Recommends: Qt's own translations, for the message box's button (without
# them it is in English); and Noto Sans CJK for Chinese, Japanese and Korean,
# 91 MB installed, too much to force on every pupil. apt installs what is
# recommended unless told not to, and a Chinese, Japanese or Korean desktop
# has a CJK face already, in which the texts still show.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
