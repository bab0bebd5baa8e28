#include "accessibility.h"

#include "about_box.h"
#include "main_window.h"

#include "control_panel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace korvane {

namespace {

constexpr char Context[] = "korvane::Accessibility";

QString translated(const char *text)
{
    return QCoreApplication::translate(Context, text);
}

struct Naming {
    const char *control;
    const char *name; ///< empty: the caption names it, and the name follows the caption
    const char *description;
};

// Buttons whose captions change with the state ("&On"/"&Off", "&Start"/"&Stop", the freeze)
// and the voltage readout keep no fixed name: Qt then reads the name from the current text and
// announces each change of it. The stopwatch keeps its name: its time is its text, read out
// when it stops or is reset rather than ten times a second while it runs. The slider's
// description is its reading in volts, kept in step below.
const Naming namings[] = {
    {"Panel1", QT_TRANSLATE_NOOP("korvane::Accessibility", "Experiment"), ""},
    {"Panel3", QT_TRANSLATE_NOOP("korvane::Accessibility", "Apparatus"), ""},
    {"Panel2", QT_TRANSLATE_NOOP("korvane::Accessibility", "Control panel"), ""},
    {"capacitor", QT_TRANSLATE_NOOP("korvane::Accessibility", "Apparatus view"),
     ""}, // described by the drops it shows, below
    {"zsh", QT_TRANSLATE_NOOP("korvane::Accessibility", "Zoom box"),
     QT_TRANSLATE_NOOP("korvane::Accessibility",
                       "The square of the apparatus view that the zoom picture magnifies")},
    {"Scalebx", QT_TRANSLATE_NOOP("korvane::Accessibility", "Show Scale"), ""},
    {"onoff", "", QT_TRANSLATE_NOOP("korvane::Accessibility", "Supply switch")},
    {"voltsb", QT_TRANSLATE_NOOP("korvane::Accessibility", "Voltage"), ""},
    {"voltlb", "", QT_TRANSLATE_NOOP("korvane::Accessibility", "Voltage across the plates")},
    {"flipcb", QT_TRANSLATE_NOOP("korvane::Accessibility", "Flip Voltage"), ""},
    {"startbt", "", QT_TRANSLATE_NOOP("korvane::Accessibility", "Stopwatch")},
    {"timerlb", QT_TRANSLATE_NOOP("korvane::Accessibility", "Stopwatch"),
     QT_TRANSLATE_NOOP("korvane::Accessibility", "Stopwatch")},
    {"threadcb", QT_TRANSLATE_NOOP("korvane::Accessibility", "Show Thread"), ""},
    {"freezebt", "",
     QT_TRANSLATE_NOOP("korvane::Accessibility", "Stops or restarts the drops and the stopwatch")},
    // The caption's letters stand one below the other; read aloud, they are two words.
    {"Label2", QT_TRANSLATE_NOOP("korvane::Accessibility", "Zoom box"), ""},
    {"zim", QT_TRANSLATE_NOOP("korvane::Accessibility", "Zoom picture"),
     QT_TRANSLATE_NOOP("korvane::Accessibility",
                       "The zoom box's square of the apparatus view, magnified six times")},
    {"SpeedButton1", QT_TRANSLATE_NOOP("korvane::Accessibility", "Exit"),
     QT_TRANSLATE_NOOP("korvane::Accessibility", "Ends the program, as File, Exit does")},
};

// The charge estimate's inputs and output, never shown, and the About box's button that only
// its own clicks and timer press: a screen reader would find them, unseen, among the controls.
const char *const leftOut[] = {"timebx", "distxt", "Label1", "Label6"};
const char *const aboutLeftOut[] = {"returnbt"};

// How a widget is presented, kept with the widget so that the interface factory finds it
// whenever Qt asks.
enum class Presentation { LeftOut = 1, Container, Graphic, VoltageSlider, Stopwatch };
constexpr char PresentedAs[] = "korvaneAccessibleAs";
constexpr char ContainerRole[] = "korvaneAccessibleRole";

constexpr double HundredthsPerVolt = 100.0;

Presentation presentationOf(const QObject *object)
{
    return static_cast<Presentation>(object->property(PresentedAs).toInt());
}

// A widget left out of the tree. Its interface is not valid, so that its own changes (the
// estimate rewrites Label1 at every move of the slider) raise no events either.
class LeftOutWidget : public QAccessibleWidget {
public:
    explicit LeftOutWidget(QWidget *widget) : QAccessibleWidget(widget) { }
    bool isValid() const override { return false; }
};

// A widget as Qt presents it, less the children left out.
class Container : public QAccessibleWidget {
public:
    Container(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) { }

    int childCount() const override { return presented().size(); }
    QAccessibleInterface *child(int index) const override { return presented().value(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return presented().indexOf(const_cast<QAccessibleInterface *>(child));
    }

private:
    QList<QAccessibleInterface *> presented() const
    {
        QList<QAccessibleInterface *> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            if (child &&
                !(child->object() && presentationOf(child->object()) == Presentation::LeftOut))
                children << child;
        }
        return children;
    }
};

QString voltageReading(int hundredths)
{
    return QString::fromStdString(voltageText(hundredths, QLocale().decimalPoint().toStdString()));
}

// The slider in volts: its position counts hundredths of a volt, which a reader would
// otherwise announce as "1234". Its description is the reading, as the voltage label writes it.
class VoltageSlider : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit VoltageSlider(QScrollBar *slider) : QAccessibleWidget(slider, QAccessible::Slider) { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
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

// The stopwatch: a fixed name, its time as its text. The label changes ten times a second
// while the stopwatch runs; a reader hears the time once, when the stopwatch stops or is reset.
class StopwatchReadout : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit StopwatchReadout(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText), m_announced(label->text())
    {
    }

    /// Tells readers the time shown, if it differs from the one they last heard.
    void announce()
    {
        const QString shown = label()->text();
        if (shown == m_announced)
            return;
        QAccessibleTextUpdateEvent event(label(), 0, m_announced, shown);
        m_announced = shown;
        QAccessible::updateAccessibility(&event);
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

QAccessibleInterface *korvaneInterface(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    switch (presentationOf(object)) {
    case Presentation::LeftOut:
        return new LeftOutWidget(widget);
    case Presentation::Container:
        return new Container(
            widget, static_cast<QAccessible::Role>(object->property(ContainerRole).toInt()));
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
    }
    return nullptr;
}

void installInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(korvaneInterface);
        return true;
    }();
    (void)installed;
}

// Qt may already hold an interface of its own for the widget (a label makes one as soon as its
// text is set); it is dropped, so that the next query reaches the factory.
void present(QWidget *widget, Presentation as)
{
    if (!widget)
        return;
    QAccessibleInterface *before = QAccessible::queryAccessibleInterface(widget);
    if (as == Presentation::Container)
        widget->setProperty(ContainerRole, int(before ? before->role() : QAccessible::Client));
    widget->setProperty(PresentedAs, int(as));
    if (before)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
    QAccessible::queryAccessibleInterface(widget);
}

void leaveOut(QWidget *within, const char *const *names, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        auto *widget = within->findChild<QWidget *>(QLatin1String(names[i]));
        if (!widget)
            continue;
        if (QWidget *parent = widget->parentWidget();
            parent && presentationOf(parent) != Presentation::Container)
            present(parent, Presentation::Container);
        present(widget, Presentation::LeftOut);
    }
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
        return QCoreApplication::translate(Context, "No drops between the plates");
    if (floating == 1)
        return QCoreApplication::translate(Context, "1 drop floating between the plates");
    //: Two or more drops.
    return QCoreApplication::translate(Context, "%1 drops floating between the plates")
        .arg(floating);
}

void makeAccessible(Tmilikanfrm &window)
{
    installInterfaces();

    // The controls lie under the central widget; the dialogs, also the window's children, reuse
    // some of their names ("Panel1").
    QWidget *controls = window.centralWidget();
    for (const Naming &naming : namings) {
        auto *widget = controls->findChild<QWidget *>(QLatin1String(naming.control));
        if (!widget)
            continue;
        if (*naming.name)
            widget->setAccessibleName(translated(naming.name));
        if (*naming.description)
            widget->setAccessibleDescription(translated(naming.description));
    }
    // Left alone, a group box inside another one takes the outer box's title as its name.
    for (QGroupBox *group : controls->findChildren<QGroupBox *>())
        group->setAccessibleName(spokenCaption(group->title()));

    leaveOut(controls, leftOut, std::size(leftOut));
    // The pictures are images to a screen reader, not empty panes.
    for (const char *picture : {"capacitor", "zim"})
        present(controls->findChild<QWidget *>(QLatin1String(picture)), Presentation::Graphic);

    auto *slider = controls->findChild<QScrollBar *>(QStringLiteral("voltsb"));
    if (slider) {
        present(slider, Presentation::VoltageSlider);
        slider->setAccessibleDescription(voltageReading(slider->value()));
        QObject::connect(slider, &QScrollBar::valueChanged, slider, [slider](int hundredths) {
            slider->setAccessibleDescription(voltageReading(hundredths));
        });
    }
    if (auto *stopwatch = controls->findChild<QLabel *>(QStringLiteral("timerlb"))) {
        present(stopwatch, Presentation::Stopwatch);
        QObject::connect(&window, &Tmilikanfrm::stopwatchSettled, stopwatch, [stopwatch] {
            if (auto *readout = dynamic_cast<StopwatchReadout *>(
                    QAccessible::queryAccessibleInterface(stopwatch)))
                readout->announce();
        });
    }

    // The About box: one dialog with its two lines of text and its emblem, which draws the
    // program's name and purpose.
    if (auto *about = window.findChild<QDialog *>(QStringLiteral("Taboutboxp"))) {
        leaveOut(about, aboutLeftOut, std::size(aboutLeftOut));
        if (auto *logo = about->findChild<QWidget *>(QStringLiteral("Logo"))) {
            present(logo, Presentation::Graphic);
            logo->setAccessibleName(QStringLiteral("Korvane"));
            logo->setAccessibleDescription(Taboutboxp::purposeLine() + QLatin1String(". ") +
                                           Taboutboxp::audienceLine());
        }
    }

    window.menuBar()->setAccessibleName(QCoreApplication::translate(Context, "Menu bar"));
    for (QMenu *menu : window.findChildren<QMenu *>())
        menu->setAccessibleName(spokenCaption(menu->title()));
    if (auto *popup = window.findChild<QMenu *>(QStringLiteral("PopupMenu1")))
        popup->setAccessibleName(QCoreApplication::translate(Context, "Apparatus view menu"));

    // The description follows the drops the picture shows; it is rewritten only when their
    // number changes, not at every redraw.
    auto *view = controls->findChild<QWidget *>(QStringLiteral("capacitor"));
    if (!view)
        return;
    int shown = floatingDrops(window.state());
    view->setAccessibleDescription(apparatusDescription(shown));
    QObject::connect(&window, &Tmilikanfrm::pictureRedrawn, view, [&window, view, shown]() mutable {
        const int floating = floatingDrops(window.state());
        if (floating == shown)
            return;
        shown = floating;
        view->setAccessibleDescription(apparatusDescription(floating));
    });
}

} // namespace korvane
