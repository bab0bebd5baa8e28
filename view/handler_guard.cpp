#include "handler_guard.h"

#include <QApplication>
#include <QMessageBox>

namespace korvane {

namespace {

void showMessageBox(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), withPeriod(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
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
