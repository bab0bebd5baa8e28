// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Built into the WebAssembly suites that wait inside a test function, which are linked with
// asyncify. A sleep there would spin without giving node a turn, so the timers a test waits for
// (QTest::qWait sleeps between its rounds of events) would never fire. This sleep suspends the
// program instead, through Qt's own suspension: Qt then knows that the one level asyncify has is
// taken, as it knows it during a dialog's exec().

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <ctime>

// Qt's WebAssembly event dispatcher: suspends until resumed (false if already suspended), and
// resumes; it resumes by itself when an event is posted.
bool qt_asyncify_suspend();
void qt_asyncify_resume();

namespace {

void wake(void *)
{
    qt_asyncify_resume();
}

} // namespace

extern "C" int nanosleep(const timespec *duration, timespec *remaining)
{
    const double end = emscripten_get_now() + duration->tv_sec * 1e3 + duration->tv_nsec / 1e6;
    for (double now = emscripten_get_now(); now < end; now = emscripten_get_now()) {
        const long timer = emscripten_set_timeout(wake, end - now, nullptr);
        const bool suspended = qt_asyncify_suspend();
        emscripten_clear_timeout(timer);
        // Already inside a suspension (a timer's slot while a dialog waits): spin, as before.
        if (!suspended) {
            while (emscripten_get_now() < end) { }
        }
    }
    if (remaining)
        *remaining = {};
    return 0;
}
