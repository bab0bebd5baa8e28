// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "const_dialog.h"

#include "dialog_keeper.h"
#include "handler_guard.h"
#include "layout_colours.h"
#include "legacy_fonts.h"
#include "translated_number.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace korvane {

namespace {

using layout::Khaki;

constexpr QSize ClientSize(271, 183);
constexpr int LabelHeight = 16;
/// Room left and right of the widest translated line [px].
constexpr int TranslatedMargin = 16;

const QChar SuperscriptTwo(0x00B2);
const QChar SuperscriptThree(0x00B3);

// Makes a label as wide as its text, keeping its left edge and the height of a line.
void fitToText(QLabel &label)
{
    label.resize(label.sizeHint().width(), LabelHeight);
}

QLabel *constantLabel(QWidget *parent, const char *name, const QString &text, QPoint position)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(position);
    fitToText(*label);
    return label;
}

void appendUnit(QLabel &label, QChar superscript)
{
    label.setText(label.text() + superscript);
    fitToText(label);
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

    // The powers of the units are added when the form is created. A translation may write the
    // value as %1, which then follows the user's notation.
    //: A superscript 3 follows the text (kg/m cubed): keep the unit last. Write the value as %1
    //: (1,25 or 1.25, as the user's regional settings have it).
    adlb =
        constantLabel(this, "adlb", withNumber(tr("Air Density = 1.25 kg/m"), 1.25, 2), {55, 16});
    //: A superscript 3 follows the text (kg/m cubed): keep the unit last.
    odlb = constantLabel(this, "odlb", tr("Oil Density = 857 kg/m"), {57, 40});
    Label8 = constantLabel(this, "Label8", tr("Plate Separation = 1 mm"), {51, 64});
    //: A superscript 2 follows the text (N s/m squared): keep the unit last. Write 1.80 as %1
    //: (1,80 or 1.80, as the user's regional settings have it) and the power of ten as ·10⁻⁵.
    avlb = constantLabel(this, "avlb", withNumber(tr("Air Viscosity = 1.80e-5 N s /m"), 1.80, 2),
                         {35, 88});
    //: A superscript 2 follows the text (m/s squared): keep the unit last. Write the value as %1
    //: (9,8 or 9.8, as the user's regional settings have it).
    glb = constantLabel(this, "glb", withNumber(tr("Gravity = 9.8 m/s"), 9.8, 1), {75, 112});

    Button1 = new QPushButton(tr("&Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(88, 144, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this,
            [this] { runHandler([this] { Button1Click(); }); });

    runHandler([this] { FormCreate(); });

    // The English lines stand where the layout puts them. Translated ones, which are longer,
    // are centred, the dialog widened where a full term needs it, so that nothing is
    // abbreviated.
    if (Label8->text() != QLatin1String("Plate Separation = 1 mm")) {
        const QList<QLabel *> lines {adlb, odlb, Label8, avlb, glb};
        int widest = 0;
        for (const QLabel *line : lines)
            widest = std::max(widest, line->width());
        const int width = std::max(ClientSize.width(), widest + 2 * TranslatedMargin);
        setFixedSize(width, ClientSize.height());
        for (QLabel *line : lines)
            line->move((width - line->width()) / 2, line->y());
        Button1->move((width - Button1->width()) / 2, Button1->y());
    }
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
