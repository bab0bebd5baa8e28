// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A random source for tests: hands out the given values in turn, over and over, and records
// the bound of every draw.
#pragma once

#include "random_source.h"

#include <QList>

namespace korvane {

class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(QList<int> values) : m_values(std::move(values)) { }
    int32_t R(int32_t n) override
    {
        bounds << n;
        const int value = m_values[m_next++ % m_values.size()];
        return value < n ? value : -1000; // a value out of range shows up in the drop's fields
    }
    QList<int> bounds;

private:
    QList<int> m_values;
    qsizetype m_next = 0;
};

} // namespace korvane
