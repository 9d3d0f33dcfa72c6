// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A monkey on the real window: a seeded random sequence of learner actions,
// every invariant checked after each. A failure prints the seed and the
// shortest action list that still reproduces it.
//
//   ZANDREL_MONKEY_SEED=n       the sequence (default 1)
//   ZANDREL_MONKEY_ACTIONS=n    its length (default 100000; 10000 under the sanitizers)
//   ZANDREL_MONKEY_VERB_FILE=p  another verb file to run on (for long runs on the bundled one)
#include "MonkeyAction.h"
#include "MonkeyRun.h"
#include "Shrink.h"
#include "StressScale.h"

#include "app/Unit1.h"
#include "support/VerbFileBuilder.h"
#include "support/WindowFixture.h"
#include "widgets/OfficeEdit.h"

#include <QElapsedTimer>
#include <QFile>

using stress::monkey::Action;
using stress::monkey::Failure;
using stress::monkey::MonkeyRun;
using testdata::VerbRecordBuilder;

namespace {

// Verbs of all four categories in alphabetical order, one with an unknown
// category letter and one with an unknown type; forms with umlauts, blanks
// inside, and forms left empty inside the column set.
QByteArray builtVerbFile()
{
    VerbRecordBuilder abfahren('s', 's', '2');
    abfahren.verb(QStringLiteral("abfahren"))
        .fillEveryForm()
        .form(0, 6, QStringLiteral(u"fährst ab"));
    VerbRecordBuilder freuen('r', 'w', '1');
    freuen.verb(QStringLiteral("sich freuen"))
        .fillEveryForm()
        .form(0, 5, QStringLiteral("freue mich"));
    VerbRecordBuilder gehen('n', 'i', '1');
    gehen.verb(QStringLiteral("gehen"));
    const char *const present[] = {"gehe",  "gehst", "gehen", "geht",
                                   "gehen", "geht",  "gehen", "gehen"};
    const int presentBoxes[] = {5, 6, 7, 8, 21, 22, 23, 24};
    for (int i = 0; i < 8; ++i)
        gehen.form(0, presentBoxes[i], QString::fromLatin1(present[i]));
    gehen.form(1, 5, QStringLiteral("ging")).form(1, 6, QStringLiteral("  gingst\t"));
    gehen.form(14, 33, QStringLiteral("geh!")).form(14, 34, QStringLiteral("geht!"));
    VerbRecordBuilder kennenlernen('d', 'm', '3');
    kennenlernen.verb(QStringLiteral("kennen lernen")).fillEveryForm();
    VerbRecordBuilder muessen('n', 'd', '4');
    muessen.verb(QStringLiteral(u"müssen")).fillEveryForm().form(0, 5, QStringLiteral(u"muß"));
    VerbRecordBuilder sagen('n', 'x', '1'); // no type: the previous verb's stays
    sagen.verb(QStringLiteral("sagen")).fillEveryForm();
    VerbRecordBuilder unknown('R', 'w', '1'); // no layout: no box shows
    unknown.verb(QStringLiteral("Ypsilon"));
    VerbRecordBuilder zeigen('n', 'w', '1');
    zeigen.verb(QStringLiteral("zeigen")).fillEveryForm().form(2, 1, QStringLiteral("   "));
    return testdata::verbFileBytes(
        {abfahren, freuen, gehen, kennenlernen, muessen, sagen, unknown, zeigen});
}

QByteArray monkeyVerbFile()
{
    const QString path = qEnvironmentVariable("ZANDREL_MONKEY_VERB_FILE");
    if (path.isEmpty())
        return builtVerbFile();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// Runs `actions` on a fresh window; the first failure, or none.
Failure replay(const QByteArray &file, const std::vector<Action> &actions,
               const MonkeyRun::Saboteur &saboteur)
{
    MonkeyRun run(file);
    run.setSaboteur(saboteur);
    for (const Action &action : actions) {
        if (Failure failure = run.step(action); !failure.isEmpty())
            return failure;
    }
    return {};
}

QString describe(const std::vector<Action> &actions)
{
    QString text;
    for (size_t i = 0; i < actions.size(); ++i)
        text += QStringLiteral("  %1. %2\n").arg(i + 1).arg(actions[i].describe());
    return text;
}

// What a failed monkey run found, already shrunk.
struct MonkeyReport {
    int failedAt = 0; // 1-based action number
    Failure failure;
    std::vector<Action> shortest;
    Failure shortestFailure;
    QString summary; // of a run that held throughout
};

MonkeyReport runMonkey(quint32 seed, int count, const MonkeyRun::Saboteur &saboteur = {})
{
    const QByteArray file = monkeyVerbFile();
    std::mt19937 random(seed);
    std::vector<Action> actions;
    actions.reserve(size_t(count));
    auto run = std::make_unique<MonkeyRun>(file);
    run->setSaboteur(saboteur);
    const QStringList verbs = run->verbNames();
    const auto visible = [&run](const QString &name) { return run->isVisible(name); };
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i) {
        actions.push_back(stress::monkey::nextAction(random, visible, verbs));
        const Failure failure = run->step(actions.back());
        if (failure.isEmpty())
            continue;
        run.reset();
        const auto sameFault = [&](const std::vector<Action> &candidate) {
            return replay(file, candidate, saboteur).invariant == failure.invariant;
        };
        MonkeyReport report{i + 1, failure, {}, {}, {}};
        report.shortest =
            stress::shrinkFailure<Action>(actions, sameFault, stress::lightRun() ? 150 : 400);
        report.shortestFailure = replay(file, report.shortest, saboteur);
        return report;
    }
    MonkeyReport report;
    report.summary = QStringLiteral("%1 actions per second; %2")
                         .arg(count / std::max(double(clock.elapsed()) / 1000.0, 0.001), 0, 'f', 0)
                         .arg(run->summary());
    return report;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void randomLearnerKeepsEveryInvariant();
    void plantedFaultIsFoundAndShrunk_data();
    void plantedFaultIsFoundAndShrunk();
};

void MonkeyTest::randomLearnerKeepsEveryInvariant()
{
    const quint32 seed = quint32(qEnvironmentVariableIsSet("ZANDREL_MONKEY_SEED")
                                     ? qEnvironmentVariableIntValue("ZANDREL_MONKEY_SEED")
                                     : 1);
    const int count = qEnvironmentVariableIsSet("ZANDREL_MONKEY_ACTIONS")
                          ? qEnvironmentVariableIntValue("ZANDREL_MONKEY_ACTIONS")
                      : stress::lightRun() ? 10000
                                           : 100000;
    const MonkeyReport report = runMonkey(seed, count);
    if (report.failedAt > 0)
        QFAIL(qPrintable(
            QStringLiteral("seed %1, action %2 of %3: %4 (%5)\n"
                           "Shortest action list that reproduces it (%6):\n%7"
                           "Whole run again: ZANDREL_MONKEY_SEED=%1 ZANDREL_MONKEY_ACTIONS=%2")
                .arg(seed)
                .arg(report.failedAt)
                .arg(count)
                .arg(report.failure.invariant, report.failure.detail, report.shortestFailure.detail)
                .arg(describe(report.shortest))));
    qInfo("seed %u: %d actions, every invariant held; %s", seed, count, qPrintable(report.summary));
}

// The monkey must see a fault when there is one, and boil it down: faults are
// planted after the action that triggers them.
void MonkeyTest::plantedFaultIsFoundAndShrunk_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("invariant");
    QTest::newRow("Test Answers also types into E5")
        << 0 << QStringLiteral("text changed outside its command");
    QTest::newRow("Show Random recolours E6") << 1 << QStringLiteral("wrong background");
}

void MonkeyTest::plantedFaultIsFoundAndShrunk()
{
    QFETCH(int, fault);
    QFETCH(QString, invariant);
    const auto saboteur = [fault](const Action &action, app::TForm1 &form) {
        const bool testAnswers = action.target == QLatin1String("btnTestAnswers");
        const bool showRandom = action.target == QLatin1String("btnShowRand");
        if (action.kind != Action::Kind::Click)
            return;
        if (fault == 0 && testAnswers && !form.entryBox(5)->isHidden())
            form.entryBox(5)->setText(form.entryBox(5)->text() + QLatin1Char('x'));
        if (fault == 1 && showRandom && !form.entryBox(6)->isHidden()) {
            QPalette palette = form.entryBox(6)->palette();
            palette.setColor(QPalette::Base, app::TForm1::wrongAnswerColor());
            form.entryBox(6)->setPalette(palette);
        }
    };
    const MonkeyReport report = runMonkey(1, 5000, saboteur);
    QVERIFY2(report.failedAt > 0, "the planted fault went unseen");
    QCOMPARE(report.failure.invariant, invariant);
    QCOMPARE(report.shortestFailure.invariant, invariant);
    // One click reproduces either fault from a fresh start (E5 and E6 show then).
    QCOMPARE(report.shortest.size(), size_t(1));
}

// As ZANDREL_WINDOW_TEST_MAIN, with no cap on messages: the offscreen
// platform's notices ("does not support raise()") would otherwise use up the
// cap and hide the run's summary.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("German Verb Zandrel"));
    QStandardPaths::setTestModeEnabled(true);
    QStringList arguments = QApplication::arguments();
    if (!arguments.contains(QStringLiteral("-maxwarnings")))
        arguments.insert(1, QStringLiteral("-maxwarnings")),
            arguments.insert(2, QStringLiteral("0"));
    MonkeyTest test;
    return QTest::qExec(&test, arguments);
}
#include "MonkeyTest.moc"
