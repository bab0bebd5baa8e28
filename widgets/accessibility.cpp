// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "control_panel.h"
#include "timeline.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// Kept with the widget, so that the interface factory finds it whenever Qt asks.
constexpr char PresentedAs[] = "korvaneAccessibleAs";

constexpr double HundredthsPerVolt = 100.0;

// 0 for a widget presented as Qt presents it, otherwise its Presentation plus one.
int presentationOf(const QObject *object)
{
    return object->property(PresentedAs).toInt();
}

QString voltageReading(int hundredths)
{
    return QString::fromStdString(voltageText(hundredths, QLocale().decimalPoint().toStdString()));
}

// The slider in volts: its position counts hundredths of a volt, which a reader would
// otherwise announce as "1234". Its description is the reading, as the voltage label writes it.
// It is a scroll bar and is presented as one: its keys go as a scroll bar's do (Down, Page Down
// and Right towards 50 V), where readers tell users of a slider that Up raises it.
class VoltageSlider : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit VoltageSlider(QScrollBar *slider) : QAccessibleWidget(slider, QAccessible::ScrollBar)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The description is the reading as it is now, without an event of its own: readers say a
    // slider's new value when it moves, and would say a new description as well.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || kind == QAccessible::Description)
            return voltageReading(slider()->value());
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return slider()->value() / HundredthsPerVolt; }
    QVariant maximumValue() const override { return slider()->maximum() / HundredthsPerVolt; }
    QVariant minimumValue() const override { return slider()->minimum() / HundredthsPerVolt; }
    QVariant minimumStepSize() const override { return slider()->singleStep() / HundredthsPerVolt; }

    // Moves the slider as the user's keys would, so that the program's handler runs; while the
    // supply is off the slider is disabled and does not move for a reader either.
    void setCurrentValue(const QVariant &value) override
    {
        bool converted = false;
        const double volts = value.toDouble(&converted);
        if (!converted || !std::isfinite(volts) || !slider()->isEnabled())
            return;
        const double hundredths = std::clamp(volts * HundredthsPerVolt, double(slider()->minimum()),
                                             double(slider()->maximum()));
        slider()->setValue(static_cast<int>(std::lround(hundredths)));
    }

private:
    QScrollBar *slider() const { return static_cast<QScrollBar *>(widget()); }
};

// The stopwatch's "12.3 s" read aloud, with the user's decimal separator.
QString spokenTime(QString shown)
{
    shown.replace(QLatin1Char('.'), QLocale().decimalPoint());
    if (shown.endsWith(QLatin1String(" s")))
        shown.chop(2);
    //: The stopwatch's time read aloud: %1 is the number of seconds, as "12.3" or "12,3".
    return QCoreApplication::translate("korvane::Accessibility", "%1 seconds").arg(shown);
}

// The stopwatch: a fixed name, its time as its text. The label changes ten times a second
// while the stopwatch runs; a reader hears the time once, when the stopwatch stops or is reset.
class StopwatchReadout : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit StopwatchReadout(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText), m_announced(label->text())
    {
    }

    /// Tells readers the time shown, if it differs from the one they last heard; `spoken`
    /// false where they hear it elsewhere.
    void announce(bool spoken)
    {
        const QString shown = label()->text();
        if (shown == m_announced)
            return;
        QAccessibleTextUpdateEvent event(label(), 0, m_announced, shown);
        m_announced = shown;
        QAccessible::updateAccessibility(&event);
        // Readers present no change of a label's text: the time is announced as well.
        if (spoken)
            korvane::announce(label(), spokenTime(shown));
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    // The text, read only: no cursor and no selection.
    QString text(int startOffset, int endOffset) const override
    {
        const QString shown = label()->text();
        if (endOffset < 0 || endOffset > shown.size())
            endOffset = int(shown.size());
        startOffset = std::clamp(startOffset, 0, endOffset);
        return shown.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(label()->text().size()); }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

    // The text stands at the left of the label, centred from top to bottom.
    QRect characterRect(int offset) const override
    {
        const QString shown = label()->text();
        if (offset < 0 || offset >= shown.size())
            return QRect();
        const QFontMetrics metrics(label()->font());
        const QRect contents = label()->contentsRect();
        const int top = contents.top() + (contents.height() - metrics.height()) / 2;
        const QRect cell(contents.left() + metrics.horizontalAdvance(shown.left(offset)), top,
                         metrics.horizontalAdvance(shown.at(offset)), metrics.height());
        return QRect(label()->mapToGlobal(cell.topLeft()), cell.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        for (int i = 0; i < characterCount(); ++i) {
            if (characterRect(i).contains(point))
                return i;
        }
        return -1;
    }

private:
    QLabel *label() const { return static_cast<QLabel *>(widget()); }

    QString m_announced;
};

// Shown, but passed over by readers, as they pass over what is not shown.
class Decoration : public QAccessibleWidget {
public:
    explicit Decoration(QWidget *widget) : QAccessibleWidget(widget, QAccessible::StaticText) { }

    QString text(QAccessible::Text kind) const override
    {
        const auto *label = qobject_cast<const QLabel *>(widget());
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty() && label)
            return label->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

// A menu item as Qt presents one, under the name kept with it: its caption minus the mnemonic
// would be read letter by letter ("4 e minus 7 m").
constexpr char SpokenAs[] = "korvaneSpokenAs";

class SpokenMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit SpokenMenuItem(QAction *item) : m_item(item) { }

    bool isValid() const override { return m_item && menu(); }
    QObject *object() const override { return m_item; }
    QWindow *window() const override { return menu() ? menu()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(menu());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return m_item->property(SpokenAs).toString();
        if (kind == QAccessible::Accelerator)
            return QKeySequence::mnemonic(m_item->text()).toString(QKeySequence::NativeText);
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect shown = menu()->actionGeometry(m_item);
        return QRect(menu()->mapToGlobal(shown.topLeft()), shown.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.invisible = !menu()->isVisible() || !m_item->isVisible();
        state.focused = menu()->activeAction() == m_item;
        state.focusable = true;
        state.disabled = !m_item->isEnabled();
        state.checkable = m_item->isCheckable();
        state.checked = m_item->isChecked();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
            ? static_cast<QAccessibleActionInterface *>(this)
            : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && m_item->isEnabled())
            m_item->trigger();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QMenu *menu() const
    {
        for (QObject *user : m_item->associatedObjects()) {
            if (auto *menu = qobject_cast<QMenu *>(user))
                return menu;
        }
        return nullptr;
    }

    QPointer<QAction> m_item;
};

QAccessibleInterface *korvaneInterface(const QString &, QObject *object)
{
    if (auto *item = qobject_cast<QAction *>(object); item && item->property(SpokenAs).isValid())
        return new SpokenMenuItem(item);
    if (!object || !object->isWidgetType() || presentationOf(object) == 0)
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    switch (static_cast<Presentation>(presentationOf(object) - 1)) {
    case Presentation::Graphic:
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    case Presentation::VoltageSlider:
        if (auto *slider = qobject_cast<QScrollBar *>(widget))
            return new VoltageSlider(slider);
        break;
    case Presentation::Stopwatch:
        if (auto *label = qobject_cast<QLabel *>(widget))
            return new StopwatchReadout(label);
        break;
    case Presentation::Decoration:
        return new Decoration(widget);
    }
    return nullptr;
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(korvaneInterface);
        return true;
    }();
    (void)installed;
}

} // namespace

QString spokenCaption(const QString &caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&'))
                spoken += caption.at(++i);
            continue;
        }
        spoken += caption.at(i);
    }
    return spoken.trimmed();
}

QString apparatusDescription(int floating)
{
    if (floating == 0)
        return QCoreApplication::translate("korvane::Accessibility", "No drops between the plates");
    if (floating == 1)
        return QCoreApplication::translate("korvane::Accessibility",
                                           "1 drop floating between the plates");
    //: Two or more drops.
    return QCoreApplication::translate("korvane::Accessibility",
                                       "%1 drops floating between the plates")
        .arg(floating);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void announce(QWidget *window, const QString &message)
{
    if (!window || message.isEmpty() || !QAccessible::isActive())
        return;
    noteOnTimeline(QLatin1String("say ") + message);
    // Readers speak an announcement whatever has the focus; these are the moments a student acts
    // on, so they need not wait for the reader to finish what it was saying.
    QAccessibleAnnouncementEvent event(window->window(), message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
}

// Qt sends readers the new name or description itself, which they speak for the focused control.
void announceCaption(QAbstractButton *) { }
void announceDescription(QWidget *) { }

bool readersHearNewDescriptions(const QWidget *control)
{
    return control && control->hasFocus();
}

#else

namespace {

// Qt 6.4 has no announcements, and when a control is renamed or described anew its bridge sends
// readers the control instead of the new text, which they reject. What Orca presents whatever
// has the focus is a notification that shows; inside a status bar it is read without the word
// "notification". The area and its notifications are objects of their own, outside the tree of
// controls: a reader looks up to them from a notification but never walks into them.
constexpr char AnnouncementArea[] = "korvaneAnnouncements";
constexpr char AnnouncementText[] = "korvaneAnnouncement";
// Kept for a reader that asks for a message's text after its event: older ones go.
constexpr qsizetype AnnouncementsKept = 4;

// A notification's text stands in a label inside it, the notification itself bearing no name:
// Orca speaks a notification's name and its labels, but shows on a braille display, and keeps
// in its list of notifications, only the labels whose text is not the notification's name.
constexpr char AnnouncementLabel[] = "korvaneAnnouncementLabel";

class AnnouncementInterface : public QAccessibleObject {
public:
    explicit AnnouncementInterface(QObject *object) : QAccessibleObject(object) { }

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface *child(int index) const override
    {
        if (!isNote() || index != 0 || object()->children().isEmpty())
            return nullptr;
        return QAccessible::queryAccessibleInterface(object()->children().first());
    }
    int childCount() const override { return isNote() && !object()->children().isEmpty(); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() && child->object()->parent() == object() ? 0 : -1;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QString();
        if (isArea())
            return QCoreApplication::translate("korvane::Accessibility", "Announcements");
        if (isNote())
            return QString();
        return object()->parent()->property(AnnouncementText).toString();
    }
    QAccessible::Role role() const override
    {
        if (isArea())
            return QAccessible::StatusBar;
        return isNote() ? QAccessible::Notification : QAccessible::StaticText;
    }
    QAccessible::State state() const override { return {}; }

private:
    bool isArea() const { return object()->property(AnnouncementArea).toBool(); }
    bool isNote() const { return object()->property(AnnouncementText).isValid(); }
};
QAccessibleInterface *announcementInterface(const QString &, QObject *object)
{
    if (object &&
        (object->property(AnnouncementArea).toBool() ||
         object->property(AnnouncementText).isValid() ||
         object->property(AnnouncementLabel).toBool()))
        return new AnnouncementInterface(object);
    return nullptr;
}

} // namespace

void announce(QWidget *window, const QString &message)
{
    if (!window || message.isEmpty() || !QAccessible::isActive())
        return;
    noteOnTimeline(QLatin1String("say ") + message);
    static const bool installed = [] {
        QAccessible::installFactory(announcementInterface);
        return true;
    }();
    (void)installed;
    window = window->window();
    QObject *area = nullptr;
    for (QObject *child : window->children()) {
        if (child->property(AnnouncementArea).toBool())
            area = child;
    }
    if (!area) {
        area = new QObject(window);
        area->setProperty(AnnouncementArea, true);
    }
    // A new object for every message, so that no reader holds on to the text of the last one.
    auto *note = new QObject(area);
    note->setProperty(AnnouncementText, message);
    (new QObject(note))->setProperty(AnnouncementLabel, true);
    QObjectList notes = area->children();
    while (notes.size() > AnnouncementsKept)
        delete notes.takeFirst();
    QAccessibleEvent shown(note, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void announceCaption(QAbstractButton *button)
{
    announce(button, spokenCaption(button->text()));
}

void announceDescription(QWidget *control)
{
    if (control->hasFocus())
        announce(control, control->accessibleDescription());
}

bool readersHearNewDescriptions(const QWidget *)
{
    return false;
}

#endif

QString stopwatchDescription(bool running, const QString &shown)
{
    if (running)
        return QCoreApplication::translate("korvane::Accessibility", "Stopwatch running");
    //: %1: the time read aloud, as "12.3 seconds".
    return QCoreApplication::translate("korvane::Accessibility", "Stopwatch: %1")
        .arg(spokenTime(shown));
}

QString spokenVoltage(int hundredths)
{
    if (hundredths == 100)
        return QCoreApplication::translate("korvane::Accessibility", "1 volt");
    //: The voltage read aloud: %1 is the number of volts, as "12.34" or "12,34".
    return QCoreApplication::translate("korvane::Accessibility", "%1 volts")
        .arg(QString::fromStdString(voltageText(hundredths, QLocale().decimalPoint().toStdString()))
                 .chopped(2));
}

QString spokenSupply(bool on, int hundredths)
{
    if (on)
        return spokenVoltage(hundredths);
    //: The voltage set while the supply is off: %1 as "12.34 volts".
    return QCoreApplication::translate("korvane::Accessibility", "%1, supply off")
        .arg(spokenVoltage(hundredths));
}

QString spokenStopwatch(bool running, const QString &shown)
{
    if (!running)
        return spokenTime(shown);
    //: The running stopwatch: %1 its time, as "3.4 seconds".
    return QCoreApplication::translate("korvane::Accessibility", "%1, running")
        .arg(spokenTime(shown));
}

void presentAs(QWidget *widget, Presentation as)
{
    installFactory();
    // Qt may already hold an interface of its own for the widget (a label makes one as soon as
    // its text is set); it is dropped, so that the next query reaches the factory.
    QAccessibleInterface *before = QAccessible::queryAccessibleInterface(widget);
    widget->setProperty(PresentedAs, int(as) + 1);
    if (before)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
}

void speakMenuItemAs(QAction *item, const QString &spoken)
{
    installFactory();
    QAccessibleInterface *before = QAccessible::queryAccessibleInterface(item);
    item->setProperty(SpokenAs, spoken);
    if (before)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
}

void announceStopwatch(QLabel *stopwatch, const QWidget *describer)
{
    if (auto *readout =
            dynamic_cast<StopwatchReadout *>(QAccessible::queryAccessibleInterface(stopwatch)))
        readout->announce(!readersHearNewDescriptions(describer));
}

} // namespace korvane
