// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Review sessions on the real window: the choice, consent, boards graded by what the learner
// typed and revealed, the progress file's faults, and free practice that writes nothing.
#include "app/Unit1.h"
#include "progress/Connection.h"
#include "progress/ProgressStore.h"
#include "review/SessionPlan.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <functional>

using testdata::VerbRecordBuilder;
using testwindow::WindowFixture;

namespace {

using DialogStep = std::function<void(QWidget *dialog)>;

// Answers the modal dialogs the window opens, one step per dialog as each appears, by keys.
class DialogScript {
public:
    explicit DialogScript(QList<DialogStep> steps) : steps_(std::move(steps))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || dialog == answered_ || steps_.isEmpty())
                return;
            if (!dialog->isActiveWindow()) { // as a desktop does when the dialog above it closes
                dialog->activateWindow();
                return;
            }
            answered_ = dialog;
            seen_.append(dialog->objectName().isEmpty()
                             ? QString::fromLatin1(dialog->metaObject()->className())
                             : dialog->objectName());
            steps_.takeFirst()(dialog);
        });
        timer_.start(10);
    }
    QStringList seen() const { return seen_; }
    bool done() const { return steps_.isEmpty(); }

private:
    QList<DialogStep> steps_;
    QTimer timer_;
    QPointer<QWidget> answered_;
    QStringList seen_;
};

DialogStep keys(QKeySequence sequence)
{
    return [sequence](QWidget *dialog) { QTest::keySequence(dialog, sequence); };
}
const DialogStep Start = keys(QKeySequence(Qt::Key_Return));
const DialogStep Yes = keys(QKeySequence(Qt::ALT | Qt::Key_Y));
const DialogStep No = keys(QKeySequence(Qt::ALT | Qt::Key_N));
const DialogStep StartFresh = keys(QKeySequence(Qt::ALT | Qt::Key_F));
const DialogStep WithoutSaving = keys(QKeySequence(Qt::ALT | Qt::Key_W));

// The choice dialog: boards in a session (Alt+B, typed over), then Start.
DialogStep startWithLength(int boards)
{
    return [boards](QWidget *dialog) {
        QTest::keyClick(dialog, Qt::Key_B, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QString::number(boards));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
}

VerbRecordBuilder record(const char *verb)
{
    VerbRecordBuilder built('n', 'w', '1');
    built.verb(QString::fromUtf8(verb)).fillEveryForm();
    return built;
}

class ReviewWindow : public WindowFixture {
public:
    ReviewWindow() : WindowFixture({record("gehen"), record("laufen")})
    {
        form().setProgressFolder(folder());
    }
    QString folder() const { return directory() + QStringLiteral("/progress"); }
    QString status() const { return find<QLabel>(QStringLiteral("lblReview"))->text(); }

    // Alt+S (or another command's key), the dialogs answered as the script says.
    QStringList review(QList<DialogStep> steps, Qt::Key key = Qt::Key_S)
    {
        DialogScript script(std::move(steps));
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::ALT | key));
        const bool answered = QTest::qWaitFor([&script] { return script.done(); }, 5000);
        // The offscreen platform gives the window back its activation only when asked, which a
        // desktop does on its own once a dialog closes.
        form().activateWindow();
        const bool back = QTest::qWaitForWindowActive(&form()) &&
                          QTest::qWaitFor([] { return QApplication::focusWidget(); });
        return answered && back ? script.seen()
                                : QStringList{QStringLiteral("dialogs left unanswered")};
    }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier); }
    QList<int> shownBoxes()
    {
        QList<int> shown;
        for (int n = 1; n <= 36; ++n) {
            if (!box(n)->isHidden())
                shown.append(n);
        }
        return shown;
    }
    void typeEveryBox(bool right)
    {
        for (int n : shownBoxes())
            retype(n, right ? form().answerSlot(n) : QStringLiteral("falsch"));
    }
    QList<review::ReviewEntry> log()
    {
        progress::ProgressStore store(folder());
        return store.open().isReady() ? store.reviewLog() : QList<review::ReviewEntry>{};
    }
};

// What the learner does on a board, by keys and typing.
enum class Work {
    Right,
    Wrong,
    RightAfterSecondTest,
    RightAfterRandomLetter,
    ShowCorrect,
    Nothing
};

void doWork(ReviewWindow &window, Work work)
{
    switch (work) {
    case Work::Right:
        window.typeEveryBox(true);
        window.press(Qt::Key_T);
        break;
    case Work::Wrong:
        window.typeEveryBox(false);
        window.press(Qt::Key_T);
        break;
    case Work::RightAfterSecondTest:
        window.typeEveryBox(false);
        window.press(Qt::Key_T);
        window.typeEveryBox(true);
        window.press(Qt::Key_T);
        break;
    case Work::RightAfterRandomLetter:
        window.click(window.box(window.shownBoxes().front()));
        window.press(Qt::Key_R);
        window.typeEveryBox(true);
        break;
    case Work::ShowCorrect:
        window.typeEveryBox(true);
        window.click(window.box(window.shownBoxes().front()));
        window.press(Qt::Key_C);
        break;
    case Work::Nothing:
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Work)
Q_DECLARE_METATYPE(DialogStep)

class ReviewWindowTest : public QObject {
    Q_OBJECT
private slots:
    void freePracticeWritesNothing();
    void boardsAreGradedFromTheWork_data();
    void boardsAreGradedFromTheWork();
    void leavingGradesNothingMore_data();
    void leavingGradesNothingMore();
    void forgettingProgressEndsTheReview();
    void noConsentWritesNothing();
    void anEmptyPlanSaysWhy();
    void faultsKeepTheFile_data();
    void faultsKeepTheFile();
};

void ReviewWindowTest::freePracticeWritesNothing()
{
    ReviewWindow window;
    window.typeEveryBox(false);
    window.press(Qt::Key_T);
    window.press(Qt::Key_A);
    window.chooseInList(QStringLiteral("ComboBox1"), 1);
    window.chooseInList(QStringLiteral("ComboBox2"), 3);
    // The statistics (Alt+P) say there is no progress yet, and make no file either.
    QCOMPARE(window.review({keys(Qt::Key_Escape)}, Qt::Key_P),
             QStringList{"statistics::StatisticsDialog"});
    QVERIFY(!QFileInfo::exists(window.folder()));
    QVERIFY(window.status().isEmpty());
    // Out of a review, Next and Leave do nothing.
    window.press(Qt::Key_N);
    window.press(Qt::Key_Q);
    QVERIFY(!window.form().inReview());
}

void ReviewWindowTest::boardsAreGradedFromTheWork_data()
{
    QTest::addColumn<QList<Work>>("work");
    QTest::addColumn<QList<review::Grade>>("grades");
    QTest::addColumn<QString>("summary");
    using G = review::Grade;
    QTest::newRow("right, wrong, right after a second test")
        << QList<Work>{Work::Right, Work::Wrong, Work::RightAfterSecondTest}
        << QList<G>{G::Good, G::Again, G::Hard}
        << "Graded Hard. 3 boards: 1 Good, 1 Hard, 1 Again.";
    QTest::newRow("a letter shown, a box shown, nothing done")
        << QList<Work>{Work::RightAfterRandomLetter, Work::ShowCorrect, Work::Nothing}
        << QList<G>{G::Hard, G::Again, G::Again} << "Graded Again. 3 boards: 1 Hard, 2 Again.";
}

void ReviewWindowTest::boardsAreGradedFromTheWork()
{
    QFETCH(QList<Work>, work);
    QFETCH(QList<review::Grade>, grades);
    QFETCH(QString, summary);
    ReviewWindow window;
    QCOMPARE(window.review({startWithLength(int(work.size())), Yes}),
             QStringList({"ReviewChoiceDialog", "ConsentDialog"}));
    QVERIFY(window.form().inReview());
    // New cards come most frequent verb first, its tenses in the list's order.
    QCOMPARE(window.status(), QStringLiteral("Review: board 1 of 3, gehen, Präsens"));
    QCOMPARE(window.find<QComboBox>(QStringLiteral("ComboBox2"))->currentIndex(), 0);
    for (int board = 0; board < work.size(); ++board) {
        QCOMPARE(window.log().size(), board);
        doWork(window, work[board]);
        window.press(Qt::Key_N);
    }
    QVERIFY(!window.form().inReview());
    QCOMPARE(window.status(), summary);
    const QList<review::ReviewEntry> log = window.log();
    QCOMPARE(log.size(), grades.size());
    for (int board = 0; board < log.size(); ++board) {
        QCOMPARE(log[board].grade, grades[board]);
        QCOMPARE(log[board].card.verb, QStringLiteral("gehen"));
        QCOMPARE(log[board].wrongBoxes.isEmpty(), grades[board] != review::Grade::Again);
    }
    progress::ProgressStore store(window.folder());
    QVERIFY(store.open().isReady());
    for (const progress::StoredCard &card : store.cards())
        QVERIFY(card.state.due > QDateTime::currentDateTimeUtc());
}

void ReviewWindowTest::leavingGradesNothingMore_data()
{
    QTest::addColumn<bool>("byList");
    QTest::addColumn<QString>("said");
    QTest::newRow("Leave") << false << "Review left. Back to free practice.";
    QTest::newRow("another verb chosen")
        << true << "Review left: you chose another verb or tense. Back to free practice.";
}

void ReviewWindowTest::leavingGradesNothingMore()
{
    QFETCH(bool, byList);
    QFETCH(QString, said);
    ReviewWindow window;
    QCOMPARE(window.review({Start, Yes}).size(), 2);
    doWork(window, Work::Right);
    window.press(Qt::Key_N);
    QCOMPARE(window.status(), QStringLiteral("Review: board 2 of 6, gehen, Präteritum"));
    doWork(window, Work::Right);
    if (byList)
        window.chooseInList(QStringLiteral("ComboBox1"), 1);
    else
        window.press(Qt::Key_Q);
    QCOMPARE(window.status(), said);
    QVERIFY(!window.form().inReview());
    QCOMPARE(window.log().size(), 1); // the board in progress is not graded
    window.press(Qt::Key_N);
    QCOMPARE(window.log().size(), 1);
}

void ReviewWindowTest::forgettingProgressEndsTheReview()
{
    ReviewWindow window;
    QCOMPARE(window.review({Start, Yes}).size(), 2);
    doWork(window, Work::Right);
    window.press(Qt::Key_N);
    // The statistics of the review's file: Forget all progress (Alt+F), Yes, then Esc.
    const DialogStep forget = keys(QKeySequence(Qt::ALT | Qt::Key_F));
    QCOMPARE(window.review({forget, Yes, keys(Qt::Key_Escape)}, Qt::Key_P),
             QStringList(
                 {"statistics::StatisticsDialog", "QMessageBox", "statistics::StatisticsDialog"}));
    QVERIFY(!window.form().inReview());
    QCOMPARE(window.status(),
             QStringLiteral("Review ended: all progress was forgotten. Back to free practice."));
    QVERIFY(!QFileInfo::exists(window.folder() + QStringLiteral("/progress.sqlite")));
}

void ReviewWindowTest::noConsentWritesNothing()
{
    ReviewWindow window;
    QCOMPARE(window.review({Start, No}).size(), 2);
    QVERIFY(!window.form().inReview());
    QVERIFY(window.status().startsWith(QStringLiteral("No review")));
    QVERIFY(!QFileInfo::exists(window.folder()));
}

void ReviewWindowTest::anEmptyPlanSaysWhy()
{
    ReviewWindow window;
    // Only my mistakes (Alt+M), of which there are none yet.
    window.review({[](QWidget *dialog) {
                       QTest::keyClick(dialog, Qt::Key_M, Qt::AltModifier);
                       // A mnemonic ticks its box a moment later, as a click is drawn.
                       auto *mistakes = dialog->findChild<QCheckBox *>(QStringLiteral("mistakes"));
                       [[maybe_unused]] const bool ticked =
                           QTest::qWaitFor([mistakes] { return mistakes->isChecked(); });
                       QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                   },
                   Yes});
    QVERIFY(!window.form().inReview());
    QCOMPARE(window.status(), review::emptyPlanText(review::EmptyPlanReason::NoRecentMistake));
}

void ReviewWindowTest::faultsKeepTheFile_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QList<DialogStep>>("answers");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("keptAside");
    const QString saved = QStringLiteral("Review: board 1 of 6, gehen, Präsens");
    const QString unsaved = QStringLiteral("Review, not saved: board 1 of 6, gehen, Präsens");
    const QList<DialogStep> fresh{StartFresh, Start};
    const QList<DialogStep> withoutSaving{WithoutSaving, Start};
    QTest::newRow("damaged, fresh") << "damaged" << fresh << saved << true;
    QTest::newRow("damaged, unsaved") << "damaged" << withoutSaving << unsaved << false;
    QTest::newRow("not ours, fresh") << "not ours" << fresh << saved << true;
    QTest::newRow("newer, unsaved") << "newer" << withoutSaving << unsaved << false;
    QTest::newRow("newer, cancelled")
        << "newer" << QList<DialogStep>{keys(Qt::Key_Escape)} << QString() << false;
    // Asked to keep progress first; the folder cannot be made.
    QTest::newRow("unwritable folder")
        << "unwritable" << QList<DialogStep>{Start, Yes, WithoutSaving} << unsaved << false;
}

void ReviewWindowTest::faultsKeepTheFile()
{
    QFETCH(QString, fault);
    QFETCH(QList<DialogStep>, answers);
    QFETCH(QString, status);
    QFETCH(bool, keptAside);
    ReviewWindow window;
    const QString file = window.folder() + QStringLiteral("/progress.sqlite");
    QDir().mkpath(window.folder());
    if (fault == QLatin1String("damaged")) {
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(5000, 'x'));
    } else if (fault == QLatin1String("not ours")) {
        progress::Connection(file, progress::Connection::Access::Create)
            .execute("CREATE TABLE recipes(name TEXT)");
    } else if (fault == QLatin1String("newer")) {
        QVERIFY(progress::ProgressStore(window.folder()).create().isReady());
        progress::Connection(file, progress::Connection::Access::ReadWrite)
            .execute("PRAGMA user_version = 999");
    } else { // a file stands where the folder would be made
        QVERIFY(QDir(window.folder()).removeRecursively());
        QFile blocker(window.folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    QFile original(file);
    const QByteArray bytes = original.open(QIODevice::ReadOnly) ? original.readAll() : QByteArray();

    QVERIFY(window.review(answers).contains(QStringLiteral("ProgressFaultDialog")));
    QCOMPARE(window.status(), status);
    QCOMPARE(window.form().inReview(), !status.isEmpty());
    const QStringList aside = QDir(window.folder()).entryList({"progress.sqlite.*-2*"});
    QCOMPARE(aside.size(), keptAside ? 1 : 0);
    if (!bytes.isEmpty()) { // the file the store could not use, kept byte for byte
        QFile kept(keptAside ? window.folder() + u'/' + aside.value(0) : file);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
    }
}

ZANDREL_WINDOW_TEST_MAIN(ReviewWindowTest)
#include "ReviewWindowTest.moc"
