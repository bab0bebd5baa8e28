// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modal.h"

#include <QDialog>

#ifdef Q_OS_WASM
#include <emscripten.h>
#endif

namespace korvane {

void showModally(QDialog &dialog)
{
#ifdef Q_OS_WASM
    // A browser tab has no nested event loop unless the program was linked with asyncify (as
    // the suites that wait are; the page is not, for its size): without it, the same modality
    // exec() gives, without waiting for the result.
    if (!emscripten_has_asyncify()) {
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        return;
    }
#endif
    dialog.exec();
}

} // namespace korvane
