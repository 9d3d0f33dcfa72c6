// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Hostile verb files on the real window with the real reader: none may crash
// or hang the trainer, and each must end in a warning, an error box, or a
// verb list that works.
#include "StartedWindow.h"
#include "WindowExercise.h"

#include "app/Unit1.h"
#include "data/VerbFile.h"
#include "support/VerbFileBuilder.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <random>

#include <unistd.h>

using stress::StartedWindow;
using testdata::VerbRecordBuilder;

namespace {

const QString VerbFileName = QString::fromLatin1(data::VerbFile::FileName);
const QString CannotOpen = QStringLiteral("Cannot open file Verb12Data.txt.");
constexpr int LinesPerRecord = data::VerbFile::LinesPerRecord;

// The plainest line count: a NUL ends the text; CR LF, LF and CR end lines.
qsizetype referenceLineCount(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0');
    qsizetype lines = 0;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < end; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        ++lines;
        if (bytes[i] == '\r' && i + 1 < end && bytes[i + 1] == '\n')
            ++i;
        lineStart = i + 1;
    }
    return lines + (lineStart < end ? 1 : 0);
}

QByteArray junk(qsizetype size, bool withNul)
{
    std::mt19937 random(20240501);
    std::uniform_int_distribution<int> byte(withNul ? 0 : 1, 255);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(byte(random));
    return bytes;
}

// Four records, one of each category, every line exactly `width` characters:
// the header codes, a prefix, and letters to the end.
QByteArray recordsOfLongLines(int width)
{
    QByteArray bytes;
    const char categories[] = {'r', 's', 'n', 'd'};
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i < LinesPerRecord; ++i) {
            QByteArray line(width, 'a' + (i + k) % 26);
            line[0] = i == 0 ? categories[k] : i == 1 ? 'w' : i == 2 ? '2' : ' ';
            line.replace(1, data::VerbFile::PrefixLength - 1,
                         QByteArray(data::VerbFile::PrefixLength - 1, ' '));
            bytes += line + "\r\n";
        }
    }
    return bytes;
}

QList<QByteArray> oneRecordLines()
{
    VerbRecordBuilder gehen('n', 's', '1');
    gehen.verb(QStringLiteral("gehen")).fillEveryForm();
    return gehen.lines();
}

} // namespace

class HostileFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void cleanup()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void fileEndsInItsDescribedState_data();
    void fileEndsInItsDescribedState();
    void verbFileThatIsADirectoryShowsTheErrorBox();
    void verbFileWithoutReadPermissionShowsTheErrorBox();

private:
    void checkErrorBoxAndIdleWindow(StartedWindow &window);
    // Runs one test function of this test again as user "nobody" and checks it passed.
    void runAsUnprivilegedUser(const QString &testFunction);

    QTemporaryDir m_dir;
};

void HostileFileTest::fileEndsInItsDescribedState_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("warning");
    QTest::addColumn<int>("entries");

    QTest::newRow("empty file") << QByteArray() << false << 0;
    for (bool withNul : {true, false}) {
        const QByteArray bytes = junk(1 << 20, withNul);
        const qsizetype lines = referenceLineCount(bytes);
        QTest::newRow(withNul ? "binary junk" : "binary junk without NUL")
            << bytes << (lines % LinesPerRecord != 0) << int(lines / LinesPerRecord);
    }
    QTest::newRow("100,000 lines of only CR") << QByteArray(100000, '\r') << true << 100000 / 395;
    QTest::newRow("lines of 10,000 characters") << recordsOfLongLines(10000) << false << 4;
    // Forms longer than an entry box holds unless told otherwise (32,767).
    QTest::newRow("lines of 40,000 characters") << recordsOfLongLines(40000) << false << 4;
    const QList<QByteArray> record = oneRecordLines();
    QTest::newRow("one line short of a record")
        << testdata::joinLines(record.mid(0, LinesPerRecord - 1)) << true << 0;
    QTest::newRow("one line short of two records")
        << testdata::joinLines(record + record.mid(0, LinesPerRecord - 1)) << true << 1;
    QByteArray cutByNul = testdata::joinLines(record + record, testdata::LineEnd::Lf);
    cutByNul[cutByNul.size() * 3 / 4] = '\0';
    QTest::newRow("NUL inside the second record") << cutByNul << true << 1;
}

void HostileFileTest::fileEndsInItsDescribedState()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, warning);
    QFETCH(int, entries);
    testdata::writeVerbFile(m_dir.path(), bytes);

    StartedWindow window(m_dir.path());
    QVERIFY(window.finishedLoading());
    QCOMPARE(stress::showedWarning(window.messages()), warning);
    QCOMPARE(window.messages().size(), warning ? 1 : 0); // and no error box
    QCOMPARE(stress::listCount(window.form(), "ComboBox1"), entries);
    stress::exerciseWindow(window.form());
}

void HostileFileTest::verbFileThatIsADirectoryShowsTheErrorBox()
{
    QVERIFY(QDir(m_dir.path()).mkdir(VerbFileName));
    StartedWindow window(m_dir.path());
    checkErrorBoxAndIdleWindow(window);
}

void HostileFileTest::verbFileWithoutReadPermissionShowsTheErrorBox()
{
    // Root reads any file whatever its mode, so as root the case runs again
    // in a child process of this test, as an unprivileged user.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("ZANDREL_STRESS_UNPRIVILEGED_CHILD")) {
        runAsUnprivilegedUser(QStringLiteral("verbFileWithoutReadPermissionShowsTheErrorBox"));
        return;
    }
    QTemporaryDir own; // the unprivileged child cannot write into the root's directory
    QVERIFY(own.isValid());
    const QString path = testdata::writeVerbFile(own.path(), testdata::joinLines(oneRecordLines()));
    QVERIFY(QFile::setPermissions(path, {}));
    QFile probe(path);
    QVERIFY2(!probe.open(QIODevice::ReadOnly), "the file is still readable");
    StartedWindow window(own.path());
    checkErrorBoxAndIdleWindow(window);
}

void HostileFileTest::runAsUnprivilegedUser(const QString &testFunction)
{
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        QSKIP("running as root, which reads unreadable files, and setpriv is not there to run "
              "the case as another user");
    // A copy of this test the other user can reach wherever the build lies
    // (a clone in root's home is closed to others).
    QTemporaryDir reachable;
    QVERIFY(reachable.isValid());
    const QString copy = QDir(reachable.path()).filePath(QStringLiteral("hostile_file_test"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                      QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup;
    QVERIFY(QFile::setPermissions(reachable.path(), open) && QFile::setPermissions(copy, open));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZANDREL_STRESS_UNPRIVILEGED_CHILD"), QStringLiteral("1"));
    environment.insert(QStringLiteral("HOME"), QDir::tempPath());
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    // The offscreen screen's configuration lies in the build, which the other user may not
    // reach either; the error box needs no particular screen.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(QDir::tempPath());
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv, {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                          QStringLiteral("--clear-groups"), copy, testFunction});
    QVERIFY(child.waitForFinished(300000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    if (output.startsWith(QStringLiteral("setpriv:")))
        QSKIP(qPrintable(QStringLiteral("cannot switch to an unprivileged user here: ") + output));
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        QFAIL(qPrintable(QStringLiteral("the unprivileged run failed:\n") + output));
    QVERIFY2(output.contains(QStringLiteral("PASS   : HostileFileTest::") + testFunction),
             qPrintable(output));
}

void HostileFileTest::checkErrorBoxAndIdleWindow(StartedWindow &window)
{
    QVERIFY(window.finishedLoading());
    QCOMPARE(window.messages().size(), 1);
    QCOMPARE(window.messages().front().text, CannotOpen);
    QCOMPARE(window.messages().front().title, QStringLiteral("German Verb Zandrel"));
    QCOMPARE(stress::listCount(window.form(), "ComboBox1"), 0);
    QCOMPARE(window.form().findChild<QComboBox *>(QStringLiteral("ComboBox2"))->currentIndex(), -1);
    QVERIFY(window.form().isVisible());
    stress::exerciseWindow(window.form());
}

ZANDREL_WINDOW_TEST_MAIN(HostileFileTest)
#include "HostileFileTest.moc"
