// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The step and Add Oil run ten times a second for the whole lesson and must not touch the heap.
// This executable replaces the global allocation functions to count every allocation.
#include "drops.h"
#include "model_fixtures.h"
#include "step.h"

#include <QTest>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> allocations {0};

void *countedAllocation(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}
} // namespace

void *operator new(std::size_t size)
{
    return countedAllocation(size);
}
void *operator new[](std::size_t size)
{
    return countedAllocation(size);
}
void operator delete(void *memory) noexcept
{
    std::free(memory);
}
void operator delete[](void *memory) noexcept
{
    std::free(memory);
}
void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void *memory, std::size_t) noexcept
{
    std::free(memory);
}

using namespace korvane;
using namespace korvane::fixtures;

namespace {
int *volatile escaped = nullptr;
}

class TestAllocations : public QObject {
    Q_OBJECT
private slots:
    void countingSeesAnAllocation()
    {
        const std::size_t before = allocations.load();
        escaped = new int(1);
        const std::size_t after = allocations.load();
        delete escaped;
        QCOMPARE(after - before, std::size_t(1));
    }

    void stepAllocatesNothing()
    {
        ApparatusState state = apparatus();
        state.VoltageOn = 1;
        state.VoltageSetting = 2500;
        state.StopwatchRunning = true;
        state.DropCount = TableCapacity;
        for (int n = 1; n <= TableCapacity; ++n)
            place(state, n, n, 20.0 + 2.9 * n, 4 + 2 * (n % 4), 10 - n % 26, n % 7 == 0);
        const std::size_t before = allocations.load();
        for (int s = 0; s < 200; ++s)
            step(state);
        const std::size_t after = allocations.load();
        QCOMPARE(after - before, std::size_t(0));
        QVERIFY(state.DropCount < TableCapacity); // the steps did retire and remove drops
    }

    void addOilAllocatesNothing()
    {
        ApparatusState state = apparatus();
        SeededRandom random(3);
        const std::size_t before = allocations.load();
        for (DropMode mode : {DropMode::Variable, DropMode::SameRadius,
                              DropMode::SamePositiveCharge, DropMode::SameNegativeCharge}) {
            addOil(state, mode, random);
            addOil(state, mode, random);
        }
        cleanUp(state);
        addOil(state, DropMode::Variable, random);
        const std::size_t after = allocations.load();
        QCOMPARE(after - before, std::size_t(0));
        QCOMPARE(state.DropCount, 10);
    }
};

QTEST_GUILESS_MAIN(TestAllocations)
#include "test_allocations.moc"
