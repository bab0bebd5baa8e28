// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handler_guard.h"

#include "charge_estimate.h"
#include "modal.h"

#include <QApplication>
#include <QMessageBox>

namespace korvane {

namespace {

// The handlers' messages are marked where they are raised (KORVANE_MESSAGE) and looked up here
// by their English text; a message not marked is shown as raised.
constexpr char MessageContext[] = "korvane::ErrorMessage";

void showMessageBox(const QString &message)
{
    auto *box = new QMessageBox(QMessageBox::Critical, QCoreApplication::applicationName(),
                                withPeriod(message), QMessageBox::Ok, QApplication::activeWindow());
    // Gone once closed, whether the showing waited for that or not.
    box->setAttribute(Qt::WA_DeleteOnClose);
    showModally(*box);
}

ErrorReporter &currentReporter()
{
    static ErrorReporter reporter;
    return reporter;
}

} // namespace

QString withPeriod(const QString &message)
{
    if (message.isEmpty() || message.back().unicode() <= u'.')
        return message;
    return message + QLatin1Char('.');
}

QString errorMessage(const std::exception &error)
{
    if (const auto *estimate = dynamic_cast<const EstimateError *>(&error)) {
        const QString message =
            QCoreApplication::translate(MessageContext, estimate->messageTemplate());
        // Only the conversion's message has a text to fill in; QString::arg would complain of
        // the others on the console.
        if (!message.contains(QLatin1String("%1")))
            return message;
        return message.arg(QString::fromStdString(estimate->argument()));
    }
    return QCoreApplication::translate(MessageContext, error.what());
}

QString unexpectedErrorMessage()
{
    return QCoreApplication::translate("korvane::ErrorMessage", "Unexpected error");
}

void reportError(const QString &message)
{
    if (currentReporter())
        currentReporter()(message);
    else
        showMessageBox(message);
}

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    ErrorReporter previous = std::move(currentReporter());
    currentReporter() = std::move(reporter);
    return previous;
}

} // namespace korvane
