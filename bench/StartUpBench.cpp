// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the trainer against a bare window, whole process each time.
//
//   zandrel_startup_bench window   start the real window on ./Verb12Data.txt, wait
//                                  until the first refresh has run and the window
//                                  has painted, exit (prints "verbs: N")
//   zandrel_startup_bench bare     the same for a window of the same size holding
//                                  one label and no data
//   zandrel_startup_bench compare [--verb-file PATH | --synthetic N] [--runs N] [--app PATH]
//                                 [--cold]
//                                  both (and the app itself with
//                                  ZANDREL_EXIT_AFTER_START=1), interleaved, each
//                                  run a whole process; prints medians and ratios.
//                                  --cold empties the page cache before every run
//                                  (root only: writes /proc/sys/vm/drop_caches)
//   zandrel_startup_bench read [--whole-lines]
//                                  read ./Verb12Data.txt once, as the trainer's
//                                  reading thread does (or keeping whole lines),
//                                  and print the time and the page faults
//
// Add --phases to `window` to print where the time inside the process goes.
// On Windows only `window` and `bare` (scripts/windows-startup-figures times them).
#if !defined(_WIN32)
#include "ProcessTiming.h"
#include "SyntheticVerbFile.h"
#endif

#include "app/Unit1.h"
#include "appearance/FontSubstitutes.h"
#include "data/VerbFile.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <map>
#include <thread>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// Quits once `window` has painted and `ready` holds.
class QuitAfterFirstPaint : public QObject {
public:
    QuitAfterFirstPaint(QWidget *window, std::function<bool()> ready) : m_ready(std::move(ready))
    {
        window->installEventFilter(this);
    }
    void check()
    {
        if (m_painted && m_ready())
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            check();
        }
        return false;
    }

private:
    std::function<bool()> m_ready;
    bool m_painted = false;
};

int runWindow(int argc, char *argv[], bool phases)
{
    QElapsedTimer clock;
    clock.start();
    std::map<QString, double> marks;
    const auto mark = [&](const char *what) {
        marks[QString::fromLatin1(what)] = double(clock.nsecsElapsed()) / 1e6;
    };

    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("German Verb Zandrel"));
    mark("1 application object");
    appearance::registerFontSubstitutes();
    mark("2 font substitutes");
    app::TForm1 form(app::startReadingVerbFile()); // as main.cpp starts it
    mark("3 window built");
    bool started = false;
    QuitAfterFirstPaint quitter(&form, [&started] { return started; });
    QObject::connect(&form, &app::TForm1::startUpFinished, [&] {
        started = true;
        mark("4 loaded and first refresh");
        quitter.check();
    });
    form.show();
    const int result = application.exec();
    mark("5 painted");
    std::printf("verbs: %d\n", form.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->count());
    if (phases) {
        for (const auto &[what, ms] : marks)
            std::printf("%-28s %8.1f ms\n", qPrintable(what), ms);
    }
    return result;
}

#if !defined(_WIN32)
// One read in this fresh process: its fresh pages are part of the cost.
int runRead(bool wholeLines)
{
    using Keep = data::VerbFile::Keep;
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer clock;
    clock.start();
    const data::VerbFile file =
        data::VerbFile::read(QString::fromLatin1(data::VerbFile::FileName),
                             wholeLines ? Keep::WholeLines : Keep::Payloads);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    std::printf("%s: %lld lines in %.2f ms, %ld page faults\n",
                wholeLines ? "whole lines" : "payloads and codes", (long long)file.lineCount(), ms,
                after.ru_minflt - before.ru_minflt);
    return 0;
}

#endif

int runBare(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(1014, 471);
    QLabel label(QStringLiteral("German Verb Zandrel"), &window);
    QuitAfterFirstPaint quitter(&window, [] { return true; });
    window.show();
    return application.exec();
}

#if !defined(_WIN32)
struct Column {
    QString name;
    QString program;
    QStringList arguments;
    QStringList environment;
    std::vector<double> milliseconds;
    std::vector<double> megabytes;
};

// Writes dirty pages back, then drops every clean page of the page cache, so
// that the next run reads its libraries, fonts and verb file from the disk.
bool dropPageCache()
{
    sync();
    const int fd = open("/proc/sys/vm/drop_caches", O_WRONLY);
    const bool dropped = fd >= 0 && write(fd, "3", 1) == 1;
    if (fd >= 0)
        close(fd);
    return dropped;
}

// How much of a second core the machine gives at the moment: a fixed busy loop
// alone, then on two threads at once, timed until both are done. 1.0: two free
// cores, as the start-up assumes when it reads the verb file beside building
// the window; 0.5: the two threads shared one.
double parallelSpeed()
{
    const auto spin = [] {
        volatile std::uint64_t sum = 0;
        for (std::uint64_t i = 0; i < 50'000'000; ++i)
            sum = sum + i;
    };
    const auto secondsOf = [](auto &&work) {
        const auto start = std::chrono::steady_clock::now();
        work();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    std::vector<double> alone, together;
    for (int round = 0; round < 5; ++round) {
        alone.push_back(secondsOf(spin));
        together.push_back(secondsOf([&spin] {
            std::thread second(spin);
            spin();
            second.join();
        }));
    }
    // The fastest lone run is the loop's own cost, undisturbed.
    return *std::min_element(alone.begin(), alone.end()) / bench::median(together);
}

int compare(const QStringList &args)
{
    QString verbFile;
    int synthetic = 0;
    int runs = 15;
    QString appPath;
    const bool cold = args.contains(QLatin1String("--cold"));
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--verb-file"))
            verbFile = args[++i];
        else if (args[i] == QLatin1String("--synthetic"))
            synthetic = args[++i].toInt();
        else if (args[i] == QLatin1String("--runs"))
            runs = args[++i].toInt();
        else if (args[i] == QLatin1String("--app"))
            appPath = QFileInfo(args[++i]).absoluteFilePath();
    }
    QTemporaryDir dir;
    const QString target = QDir(dir.path()).filePath(QStringLiteral("Verb12Data.txt"));
    if (synthetic > 0) {
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(bench::syntheticVerbFile(synthetic, bench::LineEnd::CrLf)) < 0)
            return 2;
    } else if (verbFile.isEmpty() || !QFile::copy(verbFile, target)) {
        std::fprintf(stderr, "need --verb-file PATH (readable) or --synthetic N\n");
        return 2;
    }
    const QString self = QCoreApplication::applicationFilePath();
    const QStringList offscreen = {
        QStringLiteral("QT_QPA_PLATFORM=") +
        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"))};
    std::vector<Column> columns = {
        {QStringLiteral("bare window"), self, {QStringLiteral("bare")}, offscreen, {}, {}},
        {QStringLiteral("trainer window"), self, {QStringLiteral("window")}, offscreen, {}, {}},
    };
    if (!appPath.isEmpty())
        columns.push_back({QStringLiteral("the app (exit after start)"),
                           appPath,
                           {},
                           offscreen + QStringList{QStringLiteral("ZANDREL_EXIT_AFTER_START=1")},
                           {},
                           {}});
    const double parallelBefore = parallelSpeed();
    // Warm: one warm-up each (file cache, font cache), then the runs interleaved.
    // Cold: every run, the first too, starts with an empty page cache.
    for (int round = cold ? 0 : -1; round < runs; ++round) {
        for (Column &column : columns) {
            if (cold && !dropPageCache()) {
                std::fprintf(stderr,
                             "--cold: cannot write /proc/sys/vm/drop_caches (needs root)\n");
                return 2;
            }
            const bench::ProcessRun run =
                bench::runProcess(column.program, column.arguments, dir.path(), column.environment);
            if (run.exitCode != 0) {
                std::fprintf(stderr, "%s failed (%d):\n%s\n", qPrintable(column.name), run.exitCode,
                             qPrintable(run.output));
                return 1;
            }
            if (round >= 0) {
                column.milliseconds.push_back(run.seconds * 1000);
                column.megabytes.push_back(run.peakMegabytes);
            }
        }
    }
    const double parallelAfter = parallelSpeed();
    const double bare = bench::median(columns.front().milliseconds);
    std::printf("verb file: %s, %.1f MB; %d runs each, %s, whole process, QT_QPA_PLATFORM=%s\n",
                synthetic > 0 ? qPrintable(QStringLiteral("synthetic, %1 verbs").arg(synthetic))
                              : qPrintable(verbFile),
                double(QFileInfo(target).size()) / 1e6, runs,
                cold ? "cold (page cache dropped before each run)" : "warm",
                qPrintable(offscreen.front().section(u'=', 1)));
    std::printf("%-28s %10s %10s %10s %8s %14s\n", "", "median ms", "min ms", "max ms", "ratio",
                "peak RSS MB");
    for (const Column &column : columns) {
        const double ms = bench::median(column.milliseconds);
        std::printf("%-28s %10.1f %10.1f %10.1f %8.2f %14.1f\n", qPrintable(column.name), ms,
                    *std::min_element(column.milliseconds.begin(), column.milliseconds.end()),
                    *std::max_element(column.milliseconds.begin(), column.milliseconds.end()),
                    ms / bare, bench::median(column.megabytes));
    }
    std::printf("two busy threads at once ran at %.2f (before the runs) and %.2f (after) of the "
                "speed of one alone; 1.00 is two free cores\n",
                parallelBefore, parallelAfter);
    return 0;
}
#endif

} // namespace

int main(int argc, char *argv[])
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("window"))
        return runWindow(argc, argv, argc > 2 && QByteArray(argv[2]) == "--phases");
    if (mode == QLatin1String("bare"))
        return runBare(argc, argv);
#if !defined(_WIN32)
    if (mode == QLatin1String("read"))
        return runRead(argc > 2 && QByteArray(argv[2]) == "--whole-lines");
    if (mode == QLatin1String("compare")) {
        QCoreApplication application(argc, argv);
        return compare(QCoreApplication::arguments().mid(2));
    }
#endif
    std::fprintf(stderr,
                 "usage: %s window [--phases] | bare | read [--whole-lines] | compare [--verb-file "
                 "PATH | --synthetic N] [--runs N] [--app PATH] [--cold]\n",
                 argv[0]);
    return 2;
}
