# SPDX-FileCopyrightText: 2026 The Korvane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# tools/dev docs: the lesson documents in every language, as HTML and PDF, in build/docs.
# Sourced by tools/dev, which defines docs_packages; tools/lesson-docs does the work.

docs_build() {
    tools/install-missing "${run_packages[@]}" "${docs_packages[@]}"
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DKORVANE_DOCS=ON >/dev/null
    cmake --build build/release --target lesson_docs -j "$jobs"
    tools/lesson-docs build build/release/tools/lesson_docs build/docs
}
