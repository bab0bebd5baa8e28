// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program under a virtual X server, driven as a student would: wait for the About box
// to close itself, add oil, freeze, copy the picture into another program, quit from the menu.
#include "picture_colours.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

using namespace korvane::colours;
const QSize PictureSize(765, 336);

// Control centres relative to the apparatus picture's top-left corner on the screen, from the
// window's fixed layout.
const QPoint AddOil(81, 415);
const QPoint FreezeScreen(681, 395);
// Parts of the picture covered on screen by controls of their own: the zoom box and its label.
const QRect ZoomBox(26, 18, 25, 25);
const QRect ZoomLabel(58, 18, 219, 16);

// How long a wait may take, in milliseconds: as given, or stretched by KORVANE_WAIT_SCALE where
// the program runs on an emulator (tools/dev arm64-test sets it), several times slower.
int waited(int ms)
{
    static const int scale = std::max(1, qEnvironmentVariableIntValue("KORVANE_WAIT_SCALE"));
    return ms * scale;
}

QString run(const QString &program, const QStringList &arguments, int timeoutMs = 10000)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(waited(timeoutMs)))
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

} // namespace

class TestRealProgram : public QObject {
    Q_OBJECT

    QProcess xvfb;
    QProcess korvane;
    QTemporaryDir scratch;
    QPoint picture; // the apparatus picture's top-left corner on the screen

    bool windowShown(const QString &title)
    {
        return !run(QStringLiteral("xdotool"),
                    {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                     QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')})
                    .isEmpty();
    }

    QImage screenshot()
    {
        const QString file = scratch.filePath(QStringLiteral("screen.png"));
        run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

    void click(QPoint relativeToPicture)
    {
        const QPoint at = picture + relativeToPicture;
        run(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
             QStringLiteral("click"), QStringLiteral("1")});
    }

    void key(const QString &keys) { run(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}); }

    // The upper plate is two black rows on white at picture y 14 and 15 from picture x 20 on.
    static QPoint findPicture(const QImage &screen)
    {
        for (int y = 1; y + 2 < screen.height(); ++y) {
            for (int x = 0; x + 40 < screen.width(); ++x) {
                bool plate = true;
                for (int i = 0; i < 40 && plate; ++i)
                    plate = screen.pixel(x + i, y - 1) == White &&
                        screen.pixel(x + i, y) == Black && screen.pixel(x + i, y + 1) == Black &&
                        screen.pixel(x + i, y + 2) == White;
                if (plate)
                    return QPoint(x - 20, y - 14);
            }
        }
        return QPoint(-1, -1);
    }

    // Pixels of the space between the plates that turned black since an earlier screenshot.
    int newBlackPixels(const QImage &before, const QImage &after) const
    {
        int count = 0;
        for (int y = 20; y < 310; ++y) {
            for (int x = 30; x < 740; ++x) {
                const QPoint at = picture + QPoint(x, y);
                if (after.pixel(at) == Black && before.pixel(at) != Black)
                    ++count;
            }
        }
        return count;
    }

    // A copy of the program that finds Qt's plugins in a tree that has X's but not Wayland's.
    QString programWithoutWaylandPlugin()
    {
        const QDir dir(scratch.filePath(QStringLiteral("without-wayland")));
        const QString program = dir.filePath(QStringLiteral("korvane"));
        if (QFile::exists(program))
            return program;
        dir.mkpath(QStringLiteral("plugins/platforms"));
        QFile::link(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                        QStringLiteral("/platforms/libqxcb.so"),
                    dir.filePath(QStringLiteral("plugins/platforms/libqxcb.so")));
        QFile conf(dir.filePath(QStringLiteral("qt.conf")));
        if (!conf.open(QIODevice::WriteOnly))
            return QString();
        conf.write("[Paths]\nPlugins = " + dir.filePath(QStringLiteral("plugins")).toUtf8() + '\n');
        conf.close();
        return QFile::copy(QStringLiteral(KORVANE_PROGRAM), program) ? program : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(scratch.isValid());
        // The server picks a free display itself and writes its number to our pipe.
        xvfb.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp")});
        QVERIFY(xvfb.waitForStarted());
        QByteArray display;
        QTRY_VERIFY_WITH_TIMEOUT((display += xvfb.readAllStandardOutput()).contains('\n'),
                                 waited(10000));
        qputenv("DISPLAY", QByteArray(":") + display.trimmed());
        QTRY_VERIFY_WITH_TIMEOUT(!run(QStringLiteral("xdpyinfo"), {}).isEmpty(), waited(10000));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the real X11 platform
        korvane.setProcessEnvironment(environment);
        korvane.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        korvane.start(QStringLiteral(KORVANE_PROGRAM), {});
        QVERIFY(korvane.waitForStarted());
    }

    void cleanupTestCase()
    {
        if (korvane.state() != QProcess::NotRunning) {
            korvane.kill();
            korvane.waitForFinished();
        }
        xvfb.terminate();
        xvfb.waitForFinished();
    }

    // A program that cannot start says in one line why, or what to do, and nothing else, whatever
    // the locale: without a display, on a Wayland desktop without Qt's plugin for it, or on a
    // platform Qt does not have.
    void saysSoWithoutADisplay_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("locale"); // LC_ALL, or "-" for none of LANG and LC_*
        QTest::addColumn<QString>("advice");
        const QString none;
        const QString xvfb = QStringLiteral("xvfb-run");
        QTest::addRow("no display named") << none << none << none << none << xvfb;
        QTest::addRow("a display nobody serves")
            << QStringLiteral(":4711") << none << none << none << xvfb;
        QTest::addRow("a display nobody serves, no locale")
            << QStringLiteral(":4711") << none << none << QStringLiteral("-") << xvfb;
        QTest::addRow("a display nobody serves, LC_ALL=C")
            << QStringLiteral(":4711") << none << none << QStringLiteral("C") << xvfb;
        QTest::addRow("only Wayland, no Qt plugin for it")
            << none << QStringLiteral("korvane-test-wayland") << none << QStringLiteral("-")
            << QStringLiteral("qt6-wayland");
        QTest::addRow("a platform Qt does not have")
            << none << none << QStringLiteral("no-such-platform") << none
            << QStringLiteral("no-such-platform");
    }
    void saysSoWithoutADisplay()
    {
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(QString, platform);
        QFETCH(QString, locale);
        QFETCH(QString, advice);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QLatin1String(name));
        if (!display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), display);
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        QString program = QStringLiteral(KORVANE_PROGRAM);
        if (!wayland.isEmpty()) {
            environment.insert(QStringLiteral("WAYLAND_DISPLAY"), wayland);
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), scratch.path());
            program = programWithoutWaylandPlugin();
            QVERIFY(!program.isEmpty());
        }
        if (!locale.isEmpty()) {
            for (const QString &name : environment.keys()) {
                if (name == QLatin1String("LANG") || name.startsWith(QLatin1String("LC_")))
                    environment.remove(name);
            }
            if (locale != QLatin1String("-"))
                environment.insert(QStringLiteral("LC_ALL"), locale);
        }
        QProcess headless;
        headless.setProcessEnvironment(environment);
        headless.start(program, {});
        QVERIFY(headless.waitForFinished(waited(10000)));
        QCOMPARE(headless.exitStatus(), QProcess::NormalExit);
        QCOMPARE(headless.exitCode(), 1);
        const QStringList said = QString::fromLocal8Bit(headless.readAllStandardError())
                                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(said.size() == 1, qPrintable(said.join(QLatin1Char('\n'))));
        QVERIFY2(said.first().startsWith(QLatin1String("korvane: ")) &&
                     said.first().contains(advice),
                 qPrintable(said.first()));
        if (advice == QLatin1String("xvfb-run"))
            QVERIFY2(said.first().contains(QLatin1String("needs a graphical display")),
                     qPrintable(said.first()));
    }

    void startsWithTheAboutBoxThatClosesItself()
    {
        QTRY_VERIFY_WITH_TIMEOUT(windowShown(QStringLiteral("Korvane")), waited(10000));
        QTRY_VERIFY_WITH_TIMEOUT(windowShown(QStringLiteral("Korvane About")), waited(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!windowShown(QStringLiteral("Korvane About")), waited(7000));
        const QImage screen = screenshot();
        picture = findPicture(screen);
        if (picture.x() < 0)
            screen.save(QDir::temp().filePath(QStringLiteral("korvane-e2e-screen.png")));
        QVERIFY2(picture.x() >= 0,
                 "no apparatus picture on the screen; see korvane-e2e-screen.png");
    }

    void addOilPutsDropsBetweenThePlates()
    {
        const QImage before = screenshot();
        QTest::qWait(300);
        QCOMPARE(newBlackPixels(before, screenshot()), 0); // the empty apparatus stands still
        click(AddOil);
        // Ten drops of five pixels or more, a few of which may fall on a scale line's dots.
        QTRY_VERIFY_WITH_TIMEOUT(newBlackPixels(before, screenshot()) >= 30, waited(5000));
    }

    void copyGivesAnotherProgramThePictureShown()
    {
        click(FreezeScreen);
        QTest::qWait(300); // the last tick before the freeze has been drawn
        key(QStringLiteral("ctrl+c"));
        QTest::qWait(300);
        const QString targets =
            run(QStringLiteral("xclip"),
                {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                 QStringLiteral("TARGETS"), QStringLiteral("-o")});
        QVERIFY2(targets.contains(QStringLiteral("image/png")), qPrintable(targets));

        QProcess xclip;
        xclip.start(QStringLiteral("xclip"),
                    {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                     QStringLiteral("-t"), QStringLiteral("image/png"), QStringLiteral("-o")});
        QVERIFY(xclip.waitForFinished(waited(10000)));
        QImage pasted;
        QVERIFY(pasted.loadFromData(xclip.readAllStandardOutput(), "PNG"));
        QCOMPARE(pasted.size(), PictureSize);
        pasted = pasted.convertToFormat(QImage::Format_RGB32);

        const QImage screen = screenshot();
        int differing = 0;
        for (int y = 0; y < PictureSize.height(); ++y) {
            for (int x = 0; x < PictureSize.width(); ++x) {
                if (ZoomBox.contains(x, y) || ZoomLabel.contains(x, y))
                    continue;
                if (pasted.pixel(x, y) != screen.pixel(picture.x() + x, picture.y() + y))
                    ++differing;
            }
        }
        QCOMPARE(differing, 0);
    }

    void quitsFromTheFileMenu()
    {
        key(QStringLiteral("alt+f"));
        QTest::qWait(300);
        key(QStringLiteral("x"));
        QVERIFY(korvane.waitForFinished(waited(5000)));
        QCOMPARE(korvane.exitStatus(), QProcess::NormalExit);
        QCOMPARE(korvane.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestRealProgram)
#include "picture_colours.h"
#include "test_real_program.moc"
