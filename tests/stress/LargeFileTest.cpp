// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two large hostile verb files on the real window: one line of 50 MB with
// no line end, and 200 MB of valid records. Scaled down by ten under the
// sanitizers (ZANDREL_STRESS_LIGHT=1).
#include "StartedWindow.h"
#include "StressScale.h"
#include "WindowExercise.h"

#include "app/Unit1.h"
#include "data/VerbFile.h"
#include "support/VerbFileBuilder.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using stress::MiB;
using stress::StartedWindow;

namespace {

// Writes records of all four categories, each with its own name, until the
// file holds at least `size` bytes; returns how many records it wrote.
int writeRecords(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    QList<QList<QByteArray>> templates;
    for (char category : {'r', 's', 'n', 'd'}) {
        testdata::VerbRecordBuilder record(category, 'w', '2');
        record.fillEveryForm();
        templates.append(record.lines());
    }
    int records = 0;
    for (qint64 written = 0; written < size; ++records) {
        QList<QByteArray> lines = templates[records % templates.size()];
        lines[0] = lines[0].left(data::VerbFile::PrefixLength) + QByteArray("verb ") +
                   QByteArray::number(records).rightJustified(6, '0');
        const QByteArray bytes = testdata::joinLines(lines);
        if (file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        written += bytes.size();
    }
    return records;
}

void reportPeakMemory(const char *what, qint64 fileBytes, qint64 before, qint64 after)
{
    qInfo("%s: file %.1f MB; resident memory %.1f MB before start-up, peak %.1f MB after "
          "(%.2f bytes per file byte)",
          what, double(fileBytes) / MiB, double(before) / MiB, double(after) / MiB,
          double(after - before) / double(fileBytes));
}

} // namespace

class LargeFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void cleanup() { QFile::remove(QDir(m_dir.path()).filePath(QStringLiteral("Verb12Data.txt"))); }

    // The large file first, so that the peak memory it reports is its own.
    void validRecordsLoadWhole();
    void oneLineWithoutLineEndWarnsAndListsNothing();

private:
    QString verbFilePath() const
    {
        return QDir(m_dir.path()).filePath(QStringLiteral("Verb12Data.txt"));
    }

    QTemporaryDir m_dir;
};

void LargeFileTest::oneLineWithoutLineEndWarnsAndListsNothing()
{
    const qint64 size = (stress::lightRun() ? 5 : 50) * MiB;
    QByteArray line(size, 'x');
    line[0] = 'n'; // a category letter, but one line is no record
    testdata::writeVerbFile(m_dir.path(), line);
    line.clear();

    StartedWindow window(m_dir.path());
    QVERIFY(window.finishedLoading());
    QVERIFY(stress::showedWarning(window.messages()));
    QCOMPARE(window.messages().size(), 1);
    QCOMPARE(window.form().verbList().lineCount(), 1);
    QCOMPARE(stress::listCount(window.form(), "ComboBox1"), 0);
    stress::exerciseWindow(window.form());
}

void LargeFileTest::validRecordsLoadWhole()
{
    const qint64 size = (stress::lightRun() ? 20 : 200) * MiB;
    const int records = writeRecords(verbFilePath(), size);
    const qint64 fileBytes = QFileInfo(verbFilePath()).size();

    const qint64 before = stress::residentBytes();
    StartedWindow window(m_dir.path());
    const qint64 after = stress::peakResidentBytes();
    reportPeakMemory("valid records", fileBytes, before, after);

    QVERIFY(window.finishedLoading());
    QCOMPARE(window.messages().size(), 0);
    QCOMPARE(stress::listCount(window.form(), "ComboBox1"), records);
    const auto *verbs = window.form().findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    QCOMPARE(verbs->itemText(records - 1),
             QStringLiteral(" verb %1").arg(records - 1, 6, 10, QLatin1Char('0')));
    stress::exerciseWindow(window.form());
}

ZANDREL_WINDOW_TEST_MAIN(LargeFileTest)
#include "LargeFileTest.moc"
