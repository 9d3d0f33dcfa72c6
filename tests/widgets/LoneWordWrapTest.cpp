// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How much a paragraph is narrowed so that its last word is not alone.
#include "widgets/LoneWordWrap.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <QtTest>

#include <cmath>

namespace {

const QString Paragraph = QStringLiteral("one two three four five six seven eight");

QFont textFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

// The rows of `Paragraph` wrapped at `width`, as the text box lays them out.
QStringList rowsAt(int width)
{
    QTextLayout layout(Paragraph, textFont());
    layout.setTextOption(QTextOption());
    QStringList rows;
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(width);
        rows.append(Paragraph.mid(row.textStart(), row.textLength()).trimmed());
    }
    layout.endLayout();
    return rows;
}

// A width at which "eight" alone goes to the second row, with 17 pixels to
// spare on the first.
int widthLeavingEightAlone()
{
    const qreal sevenWords =
        QFontMetricsF(textFont())
            .horizontalAdvance(Paragraph.left(Paragraph.indexOf(QLatin1String(" eight"))));
    return int(std::ceil(sevenWords)) + 17;
}

} // namespace

class LoneWordWrapTest : public QObject {
    Q_OBJECT
private slots:
    void narrowsJustEnough_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("mostNarrowing");
        QTest::addColumn<bool>("narrowed");
        const int alone = widthLeavingEightAlone();
        QTest::newRow("fits in one row") << 1000 << 250 << false;
        QTest::newRow("two words on the last row") << alone - 60 << 250 << false;
        QTest::newRow("one word alone") << alone << 250 << true;
        QTest::newRow("alone, but out of reach") << alone << 10 << false;
    }

    void narrowsJustEnough()
    {
        QFETCH(int, width);
        QFETCH(int, mostNarrowing);
        QFETCH(bool, narrowed);
        const int narrowing = widgets::narrowingAgainstLoneLastWord(
            Paragraph, textFont(), QTextOption(), width, mostNarrowing);
        QCOMPARE(narrowing > 0, narrowed);
        if (!narrowed)
            return;
        QVERIFY(narrowing <= mostNarrowing);
        QVERIFY(rowsAt(width).last() == QLatin1String("eight"));
        QVERIFY(rowsAt(width - narrowing).last().contains(QLatin1Char(' ')));
        // One pixel less would not have done it: the least narrowing.
        QCOMPARE(rowsAt(width - narrowing + 1).last(), QStringLiteral("eight"));
    }
};

QTEST_MAIN(LoneWordWrapTest)
#include "LoneWordWrapTest.moc"
