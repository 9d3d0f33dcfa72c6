// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/VerbFile.h"
#include "data/VerbFileFolder.h"
#include "support/VerbFileBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

using data::VerbFile;
using data::VerbFileError;

namespace {

class VerbFileRead : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString pathIn(const QString &name) const { return QDir(m_dir.path()).filePath(name); }

    // The error text the window shows for a path, or "no error". Keeping only
    // the payloads, the file is read another way: it must report exactly what
    // reading whole lines does.
    static std::string errorFor(const QString &path)
    {
        const auto errorOf = [](const auto &readFile) -> std::string {
            try {
                readFile();
            } catch (const VerbFileError &error) {
                return error.what();
            }
            return "no error";
        };
        const std::string wholeLines = errorOf([&path] { VerbFile::read(path); });
        EXPECT_EQ(errorOf([&path] { VerbFile::read(path, VerbFile::Keep::Payloads); }), wholeLines)
            << "keeping payloads";
        return wholeLines;
    }

    QTemporaryDir m_dir;
};

TEST_F(VerbFileRead, ReadsRecordsWrittenInWindows1252)
{
    testdata::VerbRecordBuilder record('n', 's', '2');
    record.verb(" gehen ").captions(1, QStringLiteral(u"gehen, ging, ist gegangen"),
                                    QStringLiteral(u" to go – Straße "));
    record.form(1, 5, QStringLiteral(u"ging"));
    record.form(7, 5, QStringLiteral(u"ginge"));
    record.form(14, 33, QStringLiteral(u"geh!"));
    const QString path = testdata::writeVerbFile(m_dir, {record, record});

    const VerbFile file = VerbFile::read(path);
    EXPECT_EQ(file.lineCount(), 790);
    EXPECT_EQ(file.recordCount(), 2);
    EXPECT_EQ(file.header(1).category, data::Category::Normal);
    EXPECT_EQ(file.header(1).type, data::VerbType::Strong);
    EXPECT_EQ(file.header(1).variants, 2);
    EXPECT_EQ(data::decodeWindows1252(file.header(1).name), u" gehen ");
    EXPECT_EQ(data::payloadText(file.recordLine(1, 12)), QStringLiteral(u" to go – Straße "));
    EXPECT_EQ(data::answerText(file.recordLine(1, 13)), u"ging");
    EXPECT_EQ(data::answerText(file.recordLine(1, 245 + 2)), u"geh!");

    // Keeping only what the trainer reads gives the same codes and payloads.
    const VerbFile kept = VerbFile::read(path, VerbFile::Keep::Payloads);
    EXPECT_EQ(kept.lineCount(), 790);
    for (qsizetype record : {0, 1}) {
        EXPECT_EQ(kept.header(record), file.header(record));
        EXPECT_EQ(kept.recordPayloads(record, 0, VerbFile::LinesPerRecord),
                  file.recordPayloads(record, 0, VerbFile::LinesPerRecord));
    }

    // The bytes on disk are single-byte Windows-1252.
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    EXPECT_TRUE(bytes.contains("Stra\xdf"
                               "e"));
    EXPECT_TRUE(bytes.contains("to go \x96 "));
}

TEST_F(VerbFileRead, EmptyFileHasNoLines)
{
    const QString path = testdata::writeVerbFile(m_dir.path(), QByteArray());
    const VerbFile file = VerbFile::read(path);
    EXPECT_EQ(file.lineCount(), 0);
    EXPECT_EQ(file.recordCount(), 0);
    EXPECT_TRUE(file.lineCountIsWholeRecords());
}

TEST_F(VerbFileRead, ByteOrderMarkIsPartOfLineZero)
{
    const QString path = testdata::writeVerbFile(m_dir.path(), QByteArray("\xef\xbb\xbfn x\r\n"));
    const VerbFile file = VerbFile::read(path);
    EXPECT_EQ(file.header(0).categoryCode, '\xef');
}

TEST_F(VerbFileRead, MissingFileNamesThePathAsGiven)
{
    EXPECT_EQ(errorFor(pathIn("Verb12Data.txt")),
              "Cannot open file " + pathIn("Verb12Data.txt").toStdString());
}

TEST_F(VerbFileRead, BareNameIsReadFromTheWorkingDirectory)
{
    testdata::VerbRecordBuilder record('d');
    testdata::writeVerbFile(m_dir, {record});
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    const VerbFile file = VerbFile::read(QString::fromLatin1(VerbFile::FileName));
    EXPECT_EQ(file.recordCount(), 1);

    ASSERT_TRUE(QDir(m_dir.path()).mkdir("empty"));
    ASSERT_TRUE(QDir::setCurrent(pathIn("empty")));
    EXPECT_EQ(errorFor(QStringLiteral("Verb12Data.txt")), "Cannot open file Verb12Data.txt");
    QDir::setCurrent(previous);
}

// The program's own folder stands in only when the working directory has no verb file.
TEST_F(VerbFileRead, ProgramFolderHoldsTheFileWhenTheWorkingDirectoryDoesNot)
{
    for (const QString folder : {"work", "program", "neither"})
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(folder));
    testdata::writeVerbFile(pathIn("program"), QByteArray("x"));
    EXPECT_EQ(data::verbFileFolder(pathIn("work"), pathIn("program")), pathIn("program"));
    EXPECT_EQ(data::verbFileFolder(pathIn("work"), pathIn("neither")), pathIn("work"));
    testdata::writeVerbFile(pathIn("work"), QByteArray("x"));
    EXPECT_EQ(data::verbFileFolder(pathIn("work"), pathIn("program")), pathIn("work"));
    ASSERT_TRUE(QDir(pathIn("neither")).mkdir("Verb12Data.txt")); // a folder is no verb file
    EXPECT_EQ(data::verbFileFolder(pathIn("neither"), pathIn("program")), pathIn("program"));
}

TEST_F(VerbFileRead, DirectoryCannotBeOpened)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("Verb12Data.txt"));
    EXPECT_EQ(errorFor(pathIn("Verb12Data.txt")),
              "Cannot open file " + pathIn("Verb12Data.txt").toStdString());
}

TEST_F(VerbFileRead, UnreadableFileCannotBeOpened)
{
#if defined(Q_OS_UNIX)
    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root from reading";
#else
    GTEST_SKIP() << "Windows has no permission bit that keeps a file's owner from reading it";
#endif
    const QString path = testdata::writeVerbFile(m_dir, {testdata::VerbRecordBuilder()});
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    EXPECT_EQ(errorFor(path), "Cannot open file " + path.toStdString());
}

TEST_F(VerbFileRead, ReadErrorIsReported)
{
    // /proc/self/mem opens, but reading at offset 0 fails: that must not pass
    // as an empty file.
    if (!QFile::exists("/proc/self/mem"))
        GTEST_SKIP() << "no /proc";
    EXPECT_EQ(errorFor("/proc/self/mem"), "Cannot open file /proc/self/mem");
}

} // namespace
