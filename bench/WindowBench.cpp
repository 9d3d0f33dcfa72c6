// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the trainer's own work on the real window (offscreen), with one
// verb file: loading against a plain memchr line count of the same bytes, one
// refresh, the parade through every verb with the arrow key, the look-up,
// opening the help panel, and the peak memory after start-up.
//
//   zandrel_window_bench --verb-file PATH | --synthetic N
#include "ProcessTiming.h"
#include "SyntheticVerbFile.h"

#include "app/Unit1.h"
#include "appearance/FontSubstitutes.h"
#include "data/VerbFile.h"
#include "editing/HelpText.h"
#include "widgets/LoneWordWrap.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <chrono>
#include <cstdio>
#include <cstring>

#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <typename Work> double timed(Work &&work)
{
    const auto start = Clock::now();
    work();
    return millisecondsSince(start);
}

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void printDistribution(const char *what, const std::vector<double> &ms)
{
    std::printf("%-44s n=%-6zu median %7.3f ms   p99 %7.3f ms   max %7.3f ms\n", what, ms.size(),
                bench::median(ms), bench::percentile(ms, 0.99),
                *std::max_element(ms.begin(), ms.end()));
}

// Loading as the trainer does (payloads and codes) and as the tools do (whole lines).
void measureLoad(const QByteArray &bytes, const QString &path)
{
    using Keep = data::VerbFile::Keep;
    std::vector<double> load;
    std::vector<double> loadWhole;
    std::vector<double> memchrCount;
    std::vector<double> read;
    std::vector<double> readWhole;
    for (int run = 0; run < 15; ++run) {
        load.push_back(timed([&] {
            volatile auto n = data::VerbFile::payloadsOf(bytes).lineCount();
            (void)n;
        }));
        loadWhole.push_back(timed([&] {
            volatile auto n = data::VerbFile(bytes).lineCount();
            (void)n;
        }));
        memchrCount.push_back(timed([&] {
            volatile auto n = bench::memchrLineCount(bytes);
            (void)n;
        }));
        read.push_back(timed([&] {
            volatile auto n = data::VerbFile::read(path, Keep::Payloads).lineCount();
            (void)n;
        }));
        readWhole.push_back(timed([&] {
            volatile auto n = data::VerbFile::read(path).lineCount();
            (void)n;
        }));
    }
    const double memchrMs = bench::median(memchrCount);
    std::printf("load from memory: median %.2f ms; memchr line count %.2f ms; ratio %.2f (target "
                "<= 2); whole lines %.2f ms, ratio %.2f\n",
                bench::median(load), memchrMs, bench::median(load) / memchrMs,
                bench::median(loadWhole), bench::median(loadWhole) / memchrMs);
    std::printf("read from the file (cached) and load: median %.2f ms; whole lines %.2f ms\n",
                bench::median(read), bench::median(readWhole));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("German Verb Zandrel"));
    const QStringList args = QCoreApplication::arguments();
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Verb12Data.txt"));
    const qsizetype fileOption = args.indexOf(QStringLiteral("--verb-file"));
    const qsizetype syntheticOption = args.indexOf(QStringLiteral("--synthetic"));
    if (fileOption > 0 && fileOption + 1 < args.size()) {
        if (!QFile::copy(args[fileOption + 1], path))
            return 2;
    } else if (syntheticOption > 0 && syntheticOption + 1 < args.size()) {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(bench::syntheticVerbFile(args[syntheticOption + 1].toInt(),
                                               bench::LineEnd::CrLf)) < 0)
            return 2;
    } else {
        std::fprintf(stderr, "usage: %s --verb-file PATH | --synthetic N\n", argv[0]);
        return 2;
    }

    // Start-up first, so that its peak memory is its own.
    appearance::registerFontSubstitutes();
    QDir::setCurrent(dir.path());
    auto form = std::make_unique<app::TForm1>(app::startReadingVerbFile());
    QSignalSpy started(form.get(), &app::TForm1::startUpFinished);
    form->show();
    if (started.isEmpty())
        started.wait(60000);
    if (!QTest::qWaitForWindowExposed(form.get()) || !QTest::qWaitForWindowActive(form.get()))
        return 1;
    QApplication::processEvents();
    auto *verbs = form->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    const int count = verbs->count();
    std::printf("verb file: %.1f MB, %d verbs; QT_QPA_PLATFORM=%s\n",
                double(QFileInfo(path).size()) / 1e6, count,
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM")));
    std::printf("peak resident memory after start-up: %.1f MB\n", peakResidentMegabytes());
    if (count == 0)
        return 1;

    // One refresh, alone and with the repaint it causes, over a spread of verbs and tenses.
    auto *tenses = form->findChild<QComboBox *>(QStringLiteral("ComboBox2"));
    std::vector<double> refresh;
    std::vector<double> refreshAndPaint;
    for (int i = 0; i < 600; ++i) {
        verbs->setCurrentIndex(int((qint64(i) * 7919) % count));
        tenses->setCurrentIndex(i % 15);
        refresh.push_back(timed([&] { form->RefreshEBoxes(); }));
        refreshAndPaint.push_back(refresh.back() + timed([&] { form->repaint(); }));
    }
    printDistribution("one refresh", refresh);
    printDistribution("one refresh and a repaint of the window", refreshAndPaint);

    // The parade: secret check box on, the verb list focused, Down through every verb.
    form->findChild<QCheckBox *>(QStringLiteral("SecretCheckBox"))->setChecked(true);
    tenses->setCurrentIndex(0);
    verbs->setCurrentIndex(0);
    form->RefreshEBoxes();
    verbs->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    std::vector<double> parade;
    for (int i = 1; i < count; ++i) {
        parade.push_back(timed([&] {
            QTest::keyClick(verbs, Qt::Key_Down);
            QApplication::processEvents(); // the repaint
        }));
    }
    if (verbs->currentIndex() != count - 1)
        std::printf("the parade stopped at verb %d\n", verbs->currentIndex());
    printDistribution("parade step (Down on the verb list, repaint)", parade);

    // The look-up, typed and started with Return.
    auto *alpha = form->findChild<QLineEdit *>(QStringLiteral("AlphaEdit"));
    QTest::mouseClick(alpha, Qt::LeftButton);
    QStringList texts = {verbs->itemText(0).trimmed().left(3),
                         verbs->itemText(count / 2).trimmed().left(4),
                         verbs->itemText(count - 1).trimmed().left(5),
                         QStringLiteral("zzzz"),
                         QStringLiteral("a"),
                         QString()};
    std::vector<double> lookUps;
    for (const QString &text : texts) {
        alpha->setText(text);
        for (int run = 0; run < 5; ++run) {
            lookUps.push_back(timed([&] {
                QTest::keyClick(alpha, Qt::Key_Return);
                QApplication::processEvents();
            }));
        }
    }
    printDistribution("look-up (Return in the look-up box, repaint)", lookUps);

    // Opening the help panel: the help text is fitted (no lone last words) and drawn.
    auto *help = form->findChild<QWidget *>(QStringLiteral("btnHelp"));
    auto *close = form->findChild<QWidget *>(QStringLiteral("btnHelpClose"));
    std::vector<double> helpOpens;
    for (int run = 0; run < 30; ++run) {
        helpOpens.push_back(timed([&] {
            QTest::mouseClick(help, Qt::LeftButton);
            QApplication::processEvents(); // the repaint
        }));
        QTest::mouseClick(close, Qt::LeftButton);
        QApplication::processEvents();
    }
    printDistribution("help panel open (click on H, repaint)", helpOpens);
    // The fitting alone: every help paragraph at the memo's width and font.
    auto *memo = form->findChild<QTextEdit *>(QStringLiteral("HelpMemo"));
    const QTextDocument *helpText = memo->document();
    const int width = int(helpText->textWidth() - 2 * helpText->documentMargin());
    std::vector<double> fits;
    for (int run = 0; run < 30; ++run) {
        fits.push_back(timed([&] {
            for (const QString &line : editing::helpParagraphs()) {
                volatile int narrowing = widgets::narrowingAgainstLoneLastWord(
                    line, helpText->defaultFont(), helpText->defaultTextOption(), width, width / 4);
                (void)narrowing;
            }
        }));
    }
    printDistribution("fitting the help paragraphs (no lone words)", fits);

    form.reset();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    measureLoad(file.readAll(), path);
    return 0;
}
