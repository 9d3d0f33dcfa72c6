// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The design typefaces on this machine: each request lands on an installed
// open typeface of the same kind, never on whatever the platform picks.
#include "appearance/FontSubstitutes.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const QString Sample = QStringLiteral("Verb List ich du er sie es Konjunktiv");

QFont fontAt(const QString &family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Share of the text's box covered by ink: how heavy the lettering looks.
double inkDensity(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(Sample);
    QImage image(width + 4, metrics.height(), QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(2, metrics.ascent(), Sample);
    painter.end();
    double ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            ink += (255 - line[x]) / 255.0;
    }
    return ink / (double(width) * metrics.height());
}

bool installed(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

void skipIfTheDesignTypefaceIsInstalled(const QString &family)
{
    if (installed(family))
        QSKIP("the design typeface is installed here; no substitute is used");
}

} // namespace

class FontSubstitutesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { appearance::registerFontSubstitutes(); }

    void everyDesignTypefaceHasSubstitutes()
    {
        QStringList designs;
        for (const auto &entry : appearance::designTypefaceSubstitutes()) {
            designs.append(entry.designFamily);
            QVERIFY(!entry.substitutes.isEmpty());
        }
        QCOMPARE(designs, QStringList({"Franklin Gothic Medium", "Consolas", "Cooper Black",
                                       "Arial Narrow"}));
    }

    void requestLandsOnTheFirstSubstitute_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("substitute");
        for (const auto &entry : appearance::designTypefaceSubstitutes())
            QTest::newRow(qPrintable(entry.designFamily))
                << entry.designFamily << entry.substitutes.first();
    }

    // Fails when a font package of the lettering is not installed or a
    // substitute's name does not match what it installs.
    void requestLandsOnTheFirstSubstitute()
    {
        QFETCH(QString, design);
        QFETCH(QString, substitute);
        skipIfTheDesignTypefaceIsInstalled(design);
        QVERIFY2(installed(substitute), qPrintable(substitute + " is not installed"));
        // The window's controls ask for the substitute by its own name.
        QCOMPARE(appearance::installedTypeface(design), substitute);
        for (const bool bold : {false, true}) {
            QFont font(design);
            font.setPointSize(12);
            font.setBold(bold);
            QCOMPARE(QFontInfo(font).family(), substitute);
        }
    }

    // Where the design typeface is installed (Windows) it stays; else the first installed
    // substitute, else the name as it was.
    void designTypefaceStaysWhereInstalled_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("drawnIn");
        const QString franklin = QStringLiteral("Franklin Gothic Medium");
        QTest::newRow("as on Windows")
            << QStringList{"Roboto Medium", "Franklin Gothic Medium"} << franklin << franklin;
        QTest::newRow("spelt otherwise") << QStringList{"Roboto Medium", "CONSOLAS"} << "Consolas"
                                         << "CONSOLAS";
        QTest::newRow("a later substitute")
            << QStringList{"DejaVu Sans", "Liberation Sans"} << franklin << "Liberation Sans";
        QTest::newRow("nothing for it") << QStringList{"Tahoma"} << franklin << franklin;
        QTest::newRow("no design typeface") << QStringList{"Roboto Medium"} << "Tahoma"
                                            << "Tahoma";
    }

    void designTypefaceStaysWhereInstalled()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, family);
        QFETCH(QString, drawnIn);
        QCOMPARE(appearance::installedTypeface(installed, family), drawnIn);
    }

    void substitutesHoldTheGermanLetters_data()
    {
        QTest::addColumn<QString>("family");
        for (const auto &entry : appearance::designTypefaceSubstitutes()) {
            for (const QString &substitute : entry.substitutes) {
                if (installed(substitute))
                    QTest::newRow(qPrintable(substitute)) << substitute;
            }
        }
    }

    void substitutesHoldTheGermanLetters()
    {
        QFETCH(QString, family);
        const QFontMetrics metrics(fontAt(family, 16));
        for (const QChar letter : QStringLiteral(u"äöüßÄÖÜ"))
            QVERIFY2(metrics.inFont(letter), qPrintable(family + " lacks " + letter));
    }

    void consolasStandsInAsAMonospace()
    {
        skipIfTheDesignTypefaceIsInstalled(QStringLiteral("Consolas"));
        const QFont font = fontAt(QStringLiteral("Consolas"), 16);
        QVERIFY(QFontInfo(font).fixedPitch());
        const QFontMetrics metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")),
                 metrics.horizontalAdvance(QStringLiteral("MMMM")));
    }

    void arialNarrowStandsInNarrowerThanARegularSans()
    {
        skipIfTheDesignTypefaceIsInstalled(QStringLiteral("Arial Narrow"));
        const int narrow =
            QFontMetrics(fontAt(QStringLiteral("Arial Narrow"), 40)).horizontalAdvance(Sample);
        const int regular =
            QFontMetrics(fontAt(QStringLiteral("Liberation Sans"), 40)).horizontalAdvance(Sample);
        QVERIFY2(narrow < 0.9 * regular,
                 qPrintable(QStringLiteral("%1 vs %2").arg(narrow).arg(regular)));
        QVERIFY(!QFontInfo(fontAt(QStringLiteral("Arial Narrow"), 16)).fixedPitch());
    }

    void cooperBlackStandsInMuchHeavierThanABookSerif()
    {
        skipIfTheDesignTypefaceIsInstalled(QStringLiteral("Cooper Black"));
        const double heavy = inkDensity(fontAt(QStringLiteral("Cooper Black"), 40));
        const double book = inkDensity(fontAt(QStringLiteral("Liberation Serif"), 40));
        QVERIFY2(heavy > 1.3 * book, qPrintable(QStringLiteral("%1 vs %2").arg(heavy).arg(book)));
    }

    void franklinGothicMediumStandsInBetweenRegularAndBold()
    {
        skipIfTheDesignTypefaceIsInstalled(QStringLiteral("Franklin Gothic Medium"));
        const double medium = inkDensity(fontAt(QStringLiteral("Franklin Gothic Medium"), 40));
        const double regular = inkDensity(fontAt(QStringLiteral("Liberation Sans"), 40));
        const double bold = inkDensity(fontAt(QStringLiteral("Liberation Sans"), 40, true));
        QVERIFY2(
            medium > 1.03 * regular && medium < bold,
            qPrintable(QStringLiteral("%1 between %2 and %3").arg(medium).arg(regular).arg(bold)));
        QVERIFY(!QFontInfo(fontAt(QStringLiteral("Franklin Gothic Medium"), 16)).fixedPitch());
    }

    void registeringAgainChangesNothing()
    {
        QHash<QString, QStringList> before;
        for (const auto &entry : appearance::designTypefaceSubstitutes())
            before.insert(entry.designFamily, QFont::substitutes(entry.designFamily));
        appearance::registerFontSubstitutes();
        for (const auto &entry : appearance::designTypefaceSubstitutes()) {
            const QStringList now = QFont::substitutes(entry.designFamily);
            QCOMPARE(now, before.value(entry.designFamily));
            QCOMPARE(now.size(), entry.substitutes.size());
        }
    }
};

QTEST_MAIN(FontSubstitutesTest)
#include "FontSubstitutesTest.moc"
