// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A panel with the look of the classic desktop: an outer and an inner bevel, a border of the
// panel's colour between them, and optionally a sunken single-line edge around it all.
#pragma once

#include <QColor>
#include <QWidget>

namespace korvane {

class BevelPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };

    struct Look {
        QColor color;
        Bevel outer = Bevel::Raised;
        Bevel inner = Bevel::None;
        int bevelWidth = 1;
        int borderWidth = 0;
        bool singleBorder = false; ///< a sunken two-pixel edge outside the client area
    };

    BevelPanel(const QString &name, const Look &look, QWidget *parent);

    /// Where the client area starts: children are placed relative to this corner.
    int clientOrigin() const { return m_look.singleBorder ? EdgeWidth : 0; }

    /// Places a child at a position given in client coordinates.
    void place(QWidget *child, QRect geometry) const;

    static constexpr int EdgeWidth = 2;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Look m_look;
};

} // namespace korvane
