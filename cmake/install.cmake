# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installation: the program and its pictures in one folder of their own, a
# launcher link on the user's path, and the desktop entry, icons and AppStream data.

set(tallyfox_program_dir ${CMAKE_INSTALL_LIBDIR}/tallyfox)

# The program reads its pictures from its own folder, so they go beside it.
install(TARGETS tallyfox RUNTIME DESTINATION ${tallyfox_program_dir})
list(TRANSFORM TALLYFOX_PICTURES PREPEND assets/ OUTPUT_VARIABLE tallyfox_picture_files)
install(FILES ${tallyfox_picture_files} DESTINATION ${tallyfox_program_dir})

# A relative link, so the installed tree can be moved (DESTDIR, packaging). The
# program resolves the link through /proc/self/exe and still finds its pictures.
file(RELATIVE_PATH tallyfox_link_target ${CMAKE_INSTALL_FULL_BINDIR}
    ${CMAKE_INSTALL_FULL_LIBDIR}/tallyfox/tallyfox)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launcher)
file(CREATE_LINK ${tallyfox_link_target} ${CMAKE_BINARY_DIR}/launcher/tallyfox SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/launcher/tallyfox DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop entry and the AppStream data, made in every language by assets/.
list(GET TALLYFOX_DESKTOP_FILES 0 tallyfox_desktop_entry)
list(GET TALLYFOX_DESKTOP_FILES 1 tallyfox_appstream_data)
install(FILES ${tallyfox_desktop_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${tallyfox_appstream_data} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(size 16 32)
    install(FILES assets/icons/tallyfox-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${TALLYFOX_APP_ID}.png)
endforeach()
install(FILES assets/icons/tallyfox.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${TALLYFOX_APP_ID}.svg)

include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)
