#include "accessibility.h"

#include "main_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace korvane {

namespace {

struct Naming {
    const char *control;
    const char *name; ///< empty: the caption names it, and the name follows the caption
    const char *description;
};

// Buttons whose captions change with the state ("&On"/"&Off", "&Start"/"&Stop", the freeze)
// and the two readouts keep no fixed name: Qt then reads the name from the current text and
// announces each change of it, which is what makes the readouts live.
const Naming namings[] = {
    {"Panel1", "Experiment", ""},
    {"Panel3", "Apparatus", ""},
    {"Panel2", "Control panel", ""},
    {"capacitor", "Apparatus view", ""}, // described by the drops it shows, below
    {"zsh", "Zoom box", "The square of the apparatus view that the zoom picture magnifies"},
    {"Scalebx", "Show Scale", ""},
    {"onoff", "", "Supply switch"},
    {"voltsb", "Voltage",
     "Voltage across the plates in hundredths of a volt, 0 to 5000; it moves while the supply "
     "is on"},
    {"voltlb", "", "Voltage across the plates"},
    {"flipcb", "Flip Voltage", ""},
    {"startbt", "", "Stopwatch"},
    {"timerlb", "", "Stopwatch"},
    {"threadcb", "Show Thread", ""},
    {"freezebt", "", "Stops or restarts the drops and the stopwatch"},
    // The caption's letters stand one below the other; read aloud, they are two words.
    {"Label2", "Zoom box", ""},
    {"zim", "Zoom picture", "The zoom box's square of the apparatus view, magnified six times"},
    {"SpeedButton1", "Exit", "Ends the program, as File, Exit does"},
};

// The pictures are images to a screen reader, not empty panes.
QAccessibleInterface *pictureInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("korvane::ImageView") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

void installPictureInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory(pictureInterface);
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

int floatingDrops(const ApparatusState &state)
{
    const int count = std::clamp(state.DropCount, 0, TableCapacity);
    int floating = 0;
    for (int i = 1; i <= count; ++i)
        floating += state.slot(i).Gone == 0;
    return floating;
}

QString apparatusDescription(int floating)
{
    if (floating == 0)
        return QStringLiteral("No drops between the plates");
    if (floating == 1)
        return QStringLiteral("1 drop floating between the plates");
    return QStringLiteral("%1 drops floating between the plates").arg(floating);
}

void makeAccessible(Tmilikanfrm &window)
{
    installPictureInterface();

    // The controls lie under the central widget; the dialogs, also the window's children, reuse
    // some of their names ("Panel1").
    QWidget *controls = window.centralWidget();
    for (const Naming &naming : namings) {
        auto *widget = controls->findChild<QWidget *>(QLatin1String(naming.control));
        if (!widget)
            continue;
        if (*naming.name)
            widget->setAccessibleName(QString::fromUtf8(naming.name));
        if (*naming.description)
            widget->setAccessibleDescription(QString::fromUtf8(naming.description));
    }
    // Left alone, a group box inside another one takes the outer box's title as its name.
    for (QGroupBox *group : controls->findChildren<QGroupBox *>())
        group->setAccessibleName(spokenCaption(group->title()));

    window.menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    for (QMenu *menu : window.findChildren<QMenu *>())
        menu->setAccessibleName(spokenCaption(menu->title()));
    if (auto *popup = window.findChild<QMenu *>(QStringLiteral("PopupMenu1")))
        popup->setAccessibleName(QStringLiteral("Apparatus view menu"));

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
