// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The twelve frame styles as they come out on a control: each ring's colour on
// its top/left and bottom/right sides, and an untouched inside.

#include "ControlTestSupport.h"

#include "widgets/OfficePanel.h"

#include <QtTest>

using controltest::pixel;
using widgets::OfficeBorderStyle;

Q_DECLARE_METATYPE(widgets::OfficeBorderStyle)

namespace {

enum class Ring { Own, Face, Highlight, Light, Shadow, DarkShadow, Frame };

QColor colourOf(Ring ring, const QColor &own)
{
    const widgets::SystemColors c = controltest::distinctColors();
    switch (ring) {
    case Ring::Own:
        return own;
    case Ring::Face:
        return c.buttonFace;
    case Ring::Highlight:
        return c.litEdge;
    case Ring::Light:
        return c.light;
    case Ring::Shadow:
        return c.shadow;
    case Ring::DarkShadow:
        return c.darkShadow;
    case Ring::Frame:
        return c.windowFrame;
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Ring)

class OfficeFrameTest : public QObject {
    Q_OBJECT

private slots:
    void ringsOfEachStyle_data();
    void ringsOfEachStyle();
};

void OfficeFrameTest::ringsOfEachStyle_data()
{
    QTest::addColumn<OfficeBorderStyle>("style");
    QTest::addColumn<Ring>("ring0TopLeft");
    QTest::addColumn<Ring>("ring0BottomRight");
    QTest::addColumn<Ring>("ring1TopLeft");
    QTest::addColumn<Ring>("ring1BottomRight");

    using S = OfficeBorderStyle;
    using R = Ring;
    QTest::newRow("None") << S::None << R::Own << R::Own << R::Own << R::Own;
    QTest::newRow("Flat") << S::Flat << R::Shadow << R::Shadow << R::Own << R::Own;
    QTest::newRow("Single") << S::Single << R::Frame << R::Frame << R::Own << R::Own;
    QTest::newRow("Solid") << S::Solid << R::Face << R::Face << R::Face << R::Face;
    QTest::newRow("Etched") << S::Etched << R::Shadow << R::Highlight << R::Highlight << R::Shadow;
    QTest::newRow("Bump") << S::Bump << R::Highlight << R::Shadow << R::Shadow << R::Highlight;
    QTest::newRow("Sunken") << S::Sunken << R::Shadow << R::Highlight << R::DarkShadow << R::Light;
    QTest::newRow("Raised") << S::Raised << R::Light << R::DarkShadow << R::Highlight << R::Shadow;
    QTest::newRow("Down") << S::Down << R::Frame << R::Frame << R::Shadow << R::Shadow;
    QTest::newRow("Up") << S::Up << R::Highlight << R::Frame << R::Face << R::Shadow;
    QTest::newRow("OuterRaised") << S::OuterRaised << R::Highlight << R::Shadow << R::Face
                                 << R::Face;
    QTest::newRow("OuterSunken") << S::OuterSunken << R::Shadow << R::Highlight << R::Face
                                 << R::Face;
    QTest::newRow("outside the twelve")
        << static_cast<S>(12) << R::Own << R::Own << R::Own << R::Own;
}

void OfficeFrameTest::ringsOfEachStyle()
{
    QFETCH(OfficeBorderStyle, style);
    QFETCH(Ring, ring0TopLeft);
    QFETCH(Ring, ring0BottomRight);
    QFETCH(Ring, ring1TopLeft);
    QFETCH(Ring, ring1BottomRight);

    widgets::OfficePanel panel;
    panel.setPalette(controltest::distinctPalette());
    panel.resize(40, 20);
    panel.setBorderStyle(style);
    const QColor own = panel.palette().color(panel.backgroundRole());
    const QImage image = controltest::grabbed(&panel);
    const int w = image.width(), h = image.height();

    for (int ring = 0; ring < 2; ++ring) {
        const QColor topLeft = colourOf(ring == 0 ? ring0TopLeft : ring1TopLeft, own);
        const QColor bottomRight = colourOf(ring == 0 ? ring0BottomRight : ring1BottomRight, own);
        const int l = ring, t = ring, r = w - 1 - ring, b = h - 1 - ring;
        QCOMPARE(pixel(image, l, t), topLeft);         // top-left corner
        QCOMPARE(pixel(image, w / 2, t), topLeft);     // top side
        QCOMPARE(pixel(image, r - 1, t), topLeft);     // top side's last pixel
        QCOMPARE(pixel(image, l, h / 2), topLeft);     // left side
        QCOMPARE(pixel(image, r, t), bottomRight);     // top-right corner
        QCOMPARE(pixel(image, l, b), bottomRight);     // bottom-left corner
        QCOMPARE(pixel(image, w / 2, b), bottomRight); // bottom side
        QCOMPARE(pixel(image, r, h / 2), bottomRight); // right side
    }
    // A frame never fills the inside.
    QCOMPARE(pixel(image, 2, h / 2), own);
    QCOMPARE(pixel(image, w - 3, 2), own);
}

QTEST_MAIN(OfficeFrameTest)
#include "OfficeFrameTest.moc"
