// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The font chooser: its list of installed families, the change events of
// FontName, ItemIndex and a rebuild, a font installed while the program runs,
// and how entries are drawn.

#include "widgets/ControlTestSupport.h"

#include "fonts/FlatFontComboBox.h"
#include "fonts/FontFamilySource.h"
#include "support/Wine.h"

#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QtEndian>
#include <QtTest>

using namespace fonts;

namespace {

// An installed font file with its family renamed (same length, so the font's
// tables keep their offsets): a family no one else has installed.
QByteArray renamedFontFamily(const QString &path, const QString &from, const QString &to)
{
    QFile file(path);
    if (from.size() != to.size() || !file.open(QIODevice::ReadOnly))
        return {};
    QByteArray font = file.readAll();
    const auto *data = reinterpret_cast<const uchar *>(font.constData());
    const int tables = qFromBigEndian<quint16>(data + 4);
    for (int i = 0; i < tables; ++i) {
        const uchar *record = data + 12 + 16 * i;
        if (QByteArray(reinterpret_cast<const char *>(record), 4) != "name")
            continue;
        const qsizetype offset = qFromBigEndian<quint32>(record + 8);
        const qsizetype length = qFromBigEndian<quint32>(record + 12);
        QByteArray names = font.mid(offset, length);
        auto utf16 = [](const QString &s) {
            QByteArray bytes;
            for (QChar c : s)
                bytes.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
            return bytes;
        };
        names.replace(from.toLatin1(), to.toLatin1());
        names.replace(utf16(from), utf16(to));
        font.replace(offset, length, names);
        return font;
    }
    return {};
}

// The same font with another maker's code (the OS/2 table's vendor ID), which
// the font database shows as the family's foundry.
QByteArray withVendor(QByteArray font, const QByteArray &vendor)
{
    const auto *data = reinterpret_cast<const uchar *>(font.constData());
    const int tables = font.size() > 12 ? qFromBigEndian<quint16>(data + 4) : 0;
    for (int i = 0; i < tables; ++i) {
        const uchar *record = data + 12 + 16 * i;
        if (QByteArray(reinterpret_cast<const char *>(record), 4) != "OS/2")
            continue;
        constexpr int VendorIdOffset = 58;
        font.replace(qFromBigEndian<quint32>(record + 8) + VendorIdOffset, 4, vendor.left(4));
        return font;
    }
    return {};
}

const QString InstalledFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const QString NewFamily = "ZandrelTest"; // as long as "DejaVu Sans"

QStringList entries(const QComboBox &combo)
{
    QStringList names;
    for (int i = 0; i < combo.count(); ++i)
        names.append(combo.itemText(i));
    return names;
}

QImage paintedEntry(const FlatFontComboBox &combo, int index)
{
    QImage row(200, 22, QImage::Format_RGB32);
    QPainter painter(&row);
    combo.paintEntry(painter, row.rect(), index, false);
    return row;
}

int countPixels(const QImage &image, const QColor &color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    }
    return count;
}

} // namespace

class FlatFontComboBoxTest : public QObject {
    Q_OBJECT

private slots:
    void listsEveryInstalledFamilyOnceSorted();
    void startsOnTheFirstEntry();
    void optionsFilterAndRebuild();
    void installingAFontRebuildsTheListAndRaisesChange();
    void fontNameSelectsIgnoringCase();
    void itemIndexRaisesChangeWhenItMoves();
    void familyReportedTwiceIsListedOnce();
    void familyOfTwoFoundriesIsListedOnceByItsName();
    void symbolFontNamesAreDrawnInTheControlsFont();
    void picturesMarkTrueTypeAndPrinterFonts();
    void writingSystemsDecideTheCharacterSet();
};

void FlatFontComboBoxTest::listsEveryInstalledFamilyOnceSorted()
{
    FlatFontComboBox chooser;
    chooser.setOptions(allFontOptions() & ~FontOptions(foScalable)); // as on the window
    const QStringList listed = entries(chooser);

    QStringList installed;
    for (const QString &family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family))
            installed.append(familyWithoutFoundry(family));
    }
    installed.removeDuplicates();
    QCOMPARE(listed.size(), installed.size());
    for (const QString &family : installed)
        QVERIFY2(listed.contains(family), qPrintable(family));

    QStringList folded;
    for (const QString &name : listed)
        folded.append(name.toCaseFolded());
    QStringList sorted = folded;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(folded, sorted);
    QCOMPARE(folded.removeDuplicates(), 0);
}

void FlatFontComboBoxTest::startsOnTheFirstEntry()
{
    FlatFontComboBox chooser;
    QVERIFY(chooser.count() > 0);
    QCOMPARE(chooser.itemIndex(), 0);
    QCOMPARE(chooser.fontName(), chooser.itemText(0));
}

void FlatFontComboBoxTest::optionsFilterAndRebuild()
{
    FlatFontComboBox chooser;
    chooser.setFontName("DejaVu Sans Mono");
    QSignalSpy changed(&chooser, &lists::FlatComboBox::changed);
    chooser.setOptions(foFixed);
    QVERIFY(changed.count() >= 1);
    QVERIFY(chooser.count() > 0);
    for (const QString &family : entries(chooser))
        QVERIFY2(QFontDatabase::isFixedPitch(family), qPrintable(family));
    QCOMPARE(chooser.fontName(), QString("DejaVu Sans Mono")); // kept through the rebuild

    chooser.setOptions(foOEMFont); // no family is made for the DOS code page
    QCOMPARE(chooser.count(), 0);
    QCOMPARE(chooser.fontName(), QString());
    QCOMPARE(chooser.itemText(-1), QString());
}

void FlatFontComboBoxTest::installingAFontRebuildsTheListAndRaisesChange()
{
    const QByteArray font = renamedFontFamily(InstalledFont, "DejaVu Sans", NewFamily);
    if (font.isEmpty())
        QSKIP("the DejaVu fonts are not installed");
    FlatFontComboBox chooser;
    chooser.setFontName("DejaVu Serif");
    QVERIFY(!entries(chooser).contains(NewFamily));
    QSignalSpy changed(&chooser, &lists::FlatComboBox::changed);

    const int id = QFontDatabase::addApplicationFontFromData(font);
    QVERIFY(id >= 0);
    QTRY_VERIFY(entries(chooser).contains(NewFamily));
    QVERIFY(changed.count() >= 1);
    QCOMPARE(chooser.fontName(), QString("DejaVu Serif")); // still selected

    if (testwindow::runningUnderWine())
        QSKIP("Wine keeps a font added from memory to the end (RemoveFontMemResourceEx is a stub)");
    chooser.setFontName(NewFamily);
    changed.clear();
    QVERIFY(QFontDatabase::removeApplicationFont(id));
    QTRY_VERIFY(!entries(chooser).contains(NewFamily));
    QVERIFY(changed.count() >= 1); // the change event comes even with nothing selected
    QCOMPARE(chooser.itemIndex(), -1);
    QCOMPARE(chooser.fontName(), QString());
}

void FlatFontComboBoxTest::fontNameSelectsIgnoringCase()
{
    FlatFontComboBox chooser;
    chooser.setFontName("Liberation Serif");
    QSignalSpy changed(&chooser, &lists::FlatComboBox::changed);

    chooser.setFontName("Liberation Serif"); // the current name: nothing happens
    QCOMPARE(changed.count(), 0);
    chooser.setFontName("no such typeface");
    QCOMPARE(changed.count(), 0);
    QCOMPARE(chooser.fontName(), QString("Liberation Serif"));

    chooser.setFontName("liberation MONO"); // moves: ItemIndex's event and its own
    QCOMPARE(chooser.fontName(), QString("Liberation Mono"));
    QCOMPARE(changed.count(), 2);
    chooser.setFontName("LIBERATION MONO"); // differs, but names the same entry
    QCOMPARE(changed.count(), 3);
}

void FlatFontComboBoxTest::itemIndexRaisesChangeWhenItMoves()
{
    FlatFontComboBox chooser;
    QSignalSpy changed(&chooser, &lists::FlatComboBox::changed);
    chooser.setItemIndex(0);
    QCOMPARE(changed.count(), 0);
    chooser.setItemIndex(1);
    QCOMPARE(changed.count(), 1);
    chooser.setCurrentIndex(2); // the toolkit's own setter stays silent
    QCOMPARE(changed.count(), 1);
}

void FlatFontComboBoxTest::familyReportedTwiceIsListedOnce()
{
    FlatFontComboBox chooser;
    QCOMPARE(chooser.device(), fdScreen);
    const int onScreen = chooser.count();
    chooser.setDevice(fdBoth); // the printer reports the screen's families again
    QCOMPARE(chooser.count(), onScreen);

    chooser.setFamilySource([](FontDevice) {
        return QList<FontFamilyInfo>{{"Serif", FontTag::TrueType, FontCharset::Ansi, false},
                                     {"SERIF", FontTag::Device, FontCharset::Ansi, false}};
    });
    QCOMPARE(entries(chooser), QStringList{"Serif"});
    QCOMPARE(chooser.entryTag(0), FontTag::TrueType + FontTag::NotSymbol);
}

void FlatFontComboBoxTest::familyOfTwoFoundriesIsListedOnceByItsName()
{
    const QByteArray font = renamedFontFamily(InstalledFont, "DejaVu Sans", NewFamily);
    if (font.isEmpty())
        QSKIP("the DejaVu fonts are not installed");
    const int first = QFontDatabase::addApplicationFontFromData(withVendor(font, "ZvA "));
    const int second = QFontDatabase::addApplicationFontFromData(withVendor(font, "ZvB "));
    QVERIFY(first >= 0 && second >= 0);
    // The font database names the family once per foundry (Windows knows no foundries) ...
#if defined(Q_OS_WIN)
    QCOMPARE(QFontDatabase::families().filter(NewFamily).size(), 1);
#else
    QCOMPARE(QFontDatabase::families().filter(NewFamily).size(), 2);
#endif

    // ... the chooser once, by its name, and that name gives the family.
    FlatFontComboBox chooser;
    QCOMPARE(entries(chooser).filter(NewFamily), QStringList{NewFamily});
    QCOMPARE(entries(chooser).filter(QStringLiteral(" [")), QStringList());
    chooser.setFontName(NewFamily);
    QFont chosen;
    chosen.setFamily(chooser.fontName());
    QCOMPARE(familyWithoutFoundry(QFontInfo(chosen).family()), NewFamily);

    QVERIFY(QFontDatabase::removeApplicationFont(first));
    QVERIFY(QFontDatabase::removeApplicationFont(second));
}

void FlatFontComboBoxTest::symbolFontNamesAreDrawnInTheControlsFont()
{
    FlatFontComboBox chooser;
    chooser.setFont(QFont("DejaVu Sans Mono", 12));
    chooser.setShowPictures(false);
    // A dingbat font that maps the Latin letters to pictures and claims them,
    // as its OpenType file alone is reported (here under a name of its own).
    const QByteArray dingbats = renamedFontFamily(
        "/usr/share/fonts/opentype/urw-base35/D050000L.otf", "D050000L", "ZDingbat");
    const int dingbatsId = QFontDatabase::addApplicationFontFromData(dingbats);
    QVERIFY2(dingbatsId >= 0, "fonts-urw-base35 is not installed");
    chooser.setFamilySource([](FontDevice) {
        return QList<FontFamilyInfo>{
            {"DejaVu Serif", FontTag::TrueType, FontCharset::Ansi, false},
            {"Liberation Serif", FontTag::TrueType, FontCharset::Symbol, false},
            {"ZDingbat", FontTag::TrueType, FontCharset::Ansi, false}};
    });
    // The symbol fonts' names look as they do with ShowFonts off.
    const QImage symbolOwn = paintedEntry(chooser, 1);
    const QImage dingbatsOwn = paintedEntry(chooser, 2);
    const QImage serifOwn = paintedEntry(chooser, 0);
    chooser.setShowFonts(false);
    QCOMPARE(paintedEntry(chooser, 1), symbolOwn);
    QCOMPARE(paintedEntry(chooser, 2), dingbatsOwn);
    QVERIFY(paintedEntry(chooser, 0) != serifOwn);
    QVERIFY(QFontDatabase::removeApplicationFont(dingbatsId));
}

void FlatFontComboBoxTest::picturesMarkTrueTypeAndPrinterFonts()
{
    FlatFontComboBox chooser;
    chooser.setFamilySource([](FontDevice) {
        return QList<FontFamilyInfo>{{"A", FontTag::TrueType, FontCharset::Ansi, false},
                                     {"B", FontTag::Device, FontCharset::Ansi, false},
                                     {"C", FontTag::Raster, FontCharset::Ansi, false}};
    });
    const QColor magenta(255, 0, 255), silver(192, 192, 192), grey(128, 128, 128);
    const QImage trueType = paintedEntry(chooser, 0).copy(2, 5, 20, 12);
    const QImage printer = paintedEntry(chooser, 1).copy(2, 5, 20, 12);
    const QImage raster = paintedEntry(chooser, 2).copy(2, 5, 20, 12);
    QCOMPARE(countPixels(trueType, magenta), 0); // the transparent colour never shows
    QVERIFY(countPixels(trueType, grey) > 0 && countPixels(trueType, Qt::black) > 0);
    QCOMPARE(countPixels(printer, magenta), 0);
    QVERIFY(countPixels(printer, silver) > 0);
    const QColor background = chooser.palette().color(chooser.backgroundRole());
    QCOMPARE(countPixels(raster, background), 20 * 12);

    chooser.setShowPictures(false);
    QCOMPARE(countPixels(paintedEntry(chooser, 0).copy(2, 5, 4, 12), background), 4 * 12);
}

void FlatFontComboBoxTest::writingSystemsDecideTheCharacterSet()
{
    using W = QFontDatabase;
    QCOMPARE(charsetOfWritingSystems({W::Latin, W::Greek}), FontCharset::Ansi);
    QCOMPARE(charsetOfWritingSystems({W::Symbol}), FontCharset::Symbol);
    QCOMPARE(charsetOfWritingSystems({W::Latin, W::Symbol}), FontCharset::Symbol);
    QCOMPARE(charsetOfWritingSystems({W::Other}), FontCharset::Symbol);
    QCOMPARE(charsetOfWritingSystems({}), FontCharset::Symbol);
    QCOMPARE(charsetOfWritingSystems({W::Arabic}), FontCharset::Other);
    QCOMPARE(describeFontFamily("DejaVu Sans Mono").fixedPitch, true);
    QCOMPARE(describeFontFamily("DejaVu Sans").typeBits, FontTag::TrueType);
}

QTEST_MAIN(FlatFontComboBoxTest)
#include "FlatFontComboBoxTest.moc"
