// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modal.h"

#include <QDialog>

namespace korvane {

void showModally(QDialog &dialog)
{
#if defined(Q_OS_WASM) && !defined(KORVANE_WEB_ASYNCIFY)
    // No nested event loop in a browser tab (without asyncify's cost): the same modality
    // exec() gives, without waiting for the result.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
#else
    dialog.exec();
#endif
}

} // namespace korvane
