# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program for a browser tab (included from app/ in a WebAssembly build).

# The dialogs show without a nested event loop (platform/modal.h). Linked with asyncify instead,
# they run one as on the desktop (the link decides), at the cost measured in doc/web.md; the
# option is there to measure it again.
option(KORVANE_WEB_ASYNCIFY "Link with asyncify: dialogs in a nested event loop" OFF)
if(KORVANE_WEB_ASYNCIFY)
    target_link_options(korvane PRIVATE -sASYNCIFY -Os)
endif()

# Pictures come from the program's own resources in PNG, which Qt's core reads itself: the
# other picture formats' plugins would only add to the download.
qt_import_plugins(korvane EXCLUDE_BY_TYPE imageformats)
