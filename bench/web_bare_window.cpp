// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for Korvane's figures in a browser: a bare Qt window of the program's size,
// built and served the same way (same Qt, same options, same page), so that what Korvane adds
// to the download, the start, the processor's load and the memory shows beside what Qt itself
// costs. tools/dev web-test measures both.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Korvane"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
