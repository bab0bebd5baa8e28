#include "const_dialog.h"

#include "dialog_placement.h"
#include "handler_guard.h"
#include "layout_colours.h"
#include "legacy_fonts.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace korvane {

namespace {

using layout::Khaki;

constexpr QSize ClientSize(271, 183);
constexpr int LabelHeight = 16;

const QChar SuperscriptTwo(0x00B2);
const QChar SuperscriptThree(0x00B3);

QLabel *constantLabel(QWidget *parent, const char *name, const QString &text, QPoint position)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(position);
    fitToText(*label, LabelHeight);
    return label;
}

void appendUnit(QLabel &label, QChar superscript)
{
    label.setText(label.text() + superscript);
    fitToText(label, LabelHeight);
}

} // namespace

Tconstfrm::Tconstfrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tconstfrm"));
    setWindowTitle(tr("Constants"));
    // No system menu and no close box: the Ok button is the way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(ClientSize);
    keepDialogPlaced(*this);
    setFont(legacyFont(LegacyFace::MsSansSerif, 13, true));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Khaki);
    setPalette(colours);
    setAutoFillBackground(true);

    // The powers of the units are added when the form is created.
    //: A superscript 3 follows the text (kg/m cubed): keep the unit last.
    adlb = constantLabel(this, "adlb", tr("Air Density = 1.25 kg/m"), {55, 16});
    //: A superscript 3 follows the text (kg/m cubed): keep the unit last.
    odlb = constantLabel(this, "odlb", tr("Oil Density = 857 kg/m"), {57, 40});
    Label8 = constantLabel(this, "Label8", tr("Plate Separation = 1 mm"), {51, 64});
    //: A superscript 2 follows the text (N s/m squared): keep the unit last.
    avlb = constantLabel(this, "avlb", tr("Air Viscosity = 1.80e-5 N s /m"), {35, 88});
    //: A superscript 2 follows the text (m/s squared): keep the unit last.
    glb = constantLabel(this, "glb", tr("Gravity = 9.8 m/s"), {75, 112});

    Button1 = new QPushButton(tr("&Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(88, 144, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this,
            [this] { runHandler([this] { Button1Click(); }); });

    runHandler([this] { FormCreate(); });
}

void Tconstfrm::FormCreate()
{
    appendUnit(*adlb, SuperscriptThree);
    appendUnit(*odlb, SuperscriptThree);
    appendUnit(*avlb, SuperscriptTwo);
    appendUnit(*glb, SuperscriptTwo);
}

void Tconstfrm::Button1Click()
{
    // The caller ignores the result.
    reject();
}

void Tconstfrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Button1->setFocus();
}

} // namespace korvane
