# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program (included from app/): no console window, the icon that Explorer and the
# Start menu show, and the name and version in the file's properties.
set_target_properties(korvane PROPERTIES WIN32_EXECUTABLE ON)

# The icon from the same PNGs as the desktop's, at the sizes Windows picks from (ImageMagick).
find_program(KORVANE_CONVERT convert REQUIRED)
set(ico_pngs)
foreach(size 16 32 48 64 128 256)
    list(APPEND ico_pngs
         ${PROJECT_SOURCE_DIR}/data/icons/hicolor/${size}x${size}/apps/${KORVANE_APP_ID}.png)
endforeach()
set(ico ${CMAKE_CURRENT_BINARY_DIR}/korvane.ico)
add_custom_command(OUTPUT ${ico} COMMAND ${KORVANE_CONVERT} ${ico_pngs} ${ico}
                   DEPENDS ${ico_pngs} VERBATIM)
configure_file(${PROJECT_SOURCE_DIR}/cmake/korvane.rc.in ${CMAKE_CURRENT_BINARY_DIR}/korvane.rc
               @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/korvane.rc PROPERTIES
                            OBJECT_DEPENDS ${ico})
target_sources(korvane PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/korvane.rc)
