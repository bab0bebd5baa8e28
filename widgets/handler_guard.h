// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one way every handler of every window runs: an error raised inside a handler ends that
// handler and is shown in a message box titled with the application's name; the program then
// carries on.
#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace korvane {

/// The message as the box shows it: a period is added unless the text is empty or ends in a
/// period or a character of lower code (a blank, "!", ")" and the like).
QString withPeriod(const QString &message);

/// Shows an error the way the application reports every error.
void reportError(const QString &message);

/// What the error box says for an error a handler raised, in the user's language where the
/// message is one the program knows.
QString errorMessage(const std::exception &error);
/// What the error box says for anything else a handler threw.
QString unexpectedErrorMessage();

/// Replaces how errors are shown (tests record them instead of opening a box); an empty
/// function restores the message box. Returns the previous one.
using ErrorReporter = std::function<void(const QString &message)>;
ErrorReporter setErrorReporter(ErrorReporter reporter);

/// Runs one handler; an error it raises ends it and is reported.
template<class Handler> void runHandler(Handler &&handler) noexcept
{
    try {
        handler();
    } catch (const std::exception &error) {
        reportError(errorMessage(error));
    } catch (...) {
        reportError(unexpectedErrorMessage());
    }
}

} // namespace korvane
