// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/MessageDialogRules.h"
#include "dialog/MessageDialogPlacement.h"

#include <gtest/gtest.h>

namespace {

using namespace dialog;
using G = MessageDialogButtonGroup;

TEST(ButtonGroups, SettingAGroupGivesItsButtonsAndBack)
{
    const std::pair<G, MessageDialogButtons> groups[] = {
        {G::bgAbortRetryIgnore, mbAbort | mbRetry | mbIgnore},
        {G::bgOK, mbOK},
        {G::bgOKCancel, mbOK | mbCancel},
        {G::bgRetryCancel, mbRetry | mbCancel},
        {G::bgYesNo, mbYes | mbNo},
        {G::bgYesNoCancel, mbYes | mbNo | mbCancel},
        {G::bgUnknown, {}},
    };
    for (const auto &[group, buttons] : groups) {
        EXPECT_EQ(buttonsOfGroup(group), buttons);
        EXPECT_EQ(groupOfButtons(buttons), group);
    }
    EXPECT_EQ(groupOfButtons(mbOK | mbHelp), G::bgUnknown);
    EXPECT_EQ(groupOfButtons(mbYes), G::bgUnknown);
}

struct ShownCase {
    const char *name;
    MessageDialogButtons buttons;
    MessageDialogOptions options;
    int helpContext;
    MessageDialogButtons shown;
};

class ShownButtons : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownButtons, FollowTheOptions)
{
    const ShownCase &c = GetParam();
    EXPECT_EQ(shownButtons(c.buttons, c.options, c.helpContext), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ShownButtons,
    testing::Values(
        ShownCase{"emptyGetsOK", {}, {}, 0, mbOK},
        ShownCase{"helpAloneGetsOK", mbHelp, {}, 0, mbOK | mbHelp},
        ShownCase{"autoHelpAddsHelpForAContext", mbOK, mdoAutoHelpBtn, 5, mbOK | mbHelp},
        ShownCase{"autoHelpRemovesHelpWithoutContext", mbOK | mbHelp, mdoAutoHelpBtn, 0, mbOK},
        ShownCase{"withoutAutoHelpHelpStays", mbOK | mbHelp, {}, 0, mbOK | mbHelp},
        ShownCase{"inhibitCancelRemovesCancel", mbOK | mbCancel, mdoInhibitCancel, 0, mbOK},
        ShownCase{"inhibitCancelOnCancelAloneGivesOK", mbCancel, mdoInhibitCancel, 0, mbOK},
        ShownCase{"theWindowsWarning", mbOK, mdoAutoHelpBtn | mdoShowCustomIcon, 0, mbOK}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ToolkitButtons, DefaultIsOKThenYesThenRetry)
{
    EXPECT_EQ(toolkitDefaultButton(mbYes | mbNo | mbOK), mbOK);
    EXPECT_EQ(toolkitDefaultButton(mbYes | mbRetry), mbYes);
    EXPECT_EQ(toolkitDefaultButton(mbAbort | mbRetry | mbIgnore), mbRetry);
    EXPECT_EQ(toolkitDefaultButton(mbAbort | mbIgnore), std::nullopt);
}

TEST(ToolkitButtons, EscIsCancelThenNoThenOKUnlessCancelIsInhibited)
{
    EXPECT_EQ(escapeButton(mbOK | mbCancel, {}), mbCancel);
    EXPECT_EQ(escapeButton(mbYes | mbNo, {}), mbNo);
    EXPECT_EQ(escapeButton(mbOK, {}), mbOK);
    EXPECT_EQ(escapeButton(mbAbort | mbRetry | mbIgnore, {}), std::nullopt);
    EXPECT_EQ(escapeButton(mbOK, mdoInhibitCancel), std::nullopt);
}

TEST(BoxText, LineBreaksBecomeNewlines)
{
    EXPECT_EQ(boxText("The total number of \r\nlines in the data\r\nfile is not correct."),
              "The total number of \nlines in the data\nfile is not correct.");
    EXPECT_EQ(boxText("a\rb\nc"), "a\nb\nc");
}

using A = MessageDialogAlign;

struct PlacementCase {
    const char *name;
    A align;
    QSize box;
    std::optional<QRect> owner;
    int offsetLeft, offsetTop;
    QPoint expected;
};

class Placement : public testing::TestWithParam<PlacementCase> {};

const QRect Screen(0, 0, 1024, 768);

TEST_P(Placement, KeepsTheBoxOnTheScreen)
{
    const PlacementCase &c = GetParam();
    EXPECT_EQ(placeMessageBox(c.align, c.box, Screen, c.owner, c.offsetLeft, c.offsetTop),
              c.expected);
}

const QRect Owner(100, 50, 500, 300);

INSTANTIATE_TEST_SUITE_P(
    Aligns, Placement,
    testing::Values(
        PlacementCase{
            "screenCentreTruncatesHalves", A::mdaScreenCentre, {301, 101}, Owner, 0, 0, {361, 333}},
        PlacementCase{"screenOffset", A::mdaScreenOffset, {300, 100}, Owner, 40, 60, {40, 60}},
        PlacementCase{"screenOffsetBeyondTheRight",
                      A::mdaScreenOffset,
                      {300, 100},
                      Owner,
                      5000,
                      5000,
                      {724, 668}},
        PlacementCase{
            "screenOffsetNegative", A::mdaScreenOffset, {300, 100}, Owner, -20, -1, {0, 0}},
        PlacementCase{"formCentre", A::mdaFormCentre, {300, 100}, Owner, 0, 0, {200, 150}},
        PlacementCase{"formCentreClamped",
                      A::mdaFormCentre,
                      {300, 100},
                      QRect(900, 700, 200, 100),
                      0,
                      0,
                      {724, 668}},
        PlacementCase{"formOffset", A::mdaFormOffset, {300, 100}, Owner, 10, 20, {110, 70}},
        PlacementCase{
            "formOffsetClamped", A::mdaFormOffset, {300, 100}, Owner, -500, 900, {0, 668}},
        PlacementCase{"formCentreWithoutOwnerIsScreenCentre",
                      A::mdaFormCentre,
                      {300, 100},
                      std::nullopt,
                      0,
                      0,
                      {362, 334}},
        PlacementCase{"formOffsetWithoutOwnerIsScreenOffset",
                      A::mdaFormOffset,
                      {300, 100},
                      std::nullopt,
                      10,
                      20,
                      {10, 20}},
        PlacementCase{"boxLargerThanScreenKeepsItsTopLeftOnIt",
                      A::mdaScreenCentre,
                      {2000, 1000},
                      Owner,
                      0,
                      0,
                      {0, 0}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlacementOnASecondScreen, CountsFromTheScreensCorner)
{
    const QRect second(1024, 0, 800, 600);
    EXPECT_EQ(placeMessageBox(A::mdaScreenCentre, {200, 100}, second, std::nullopt, 0, 0),
              QPoint(1324, 250));
    EXPECT_EQ(placeMessageBox(A::mdaScreenOffset, {200, 100}, second, std::nullopt, -5, 0),
              QPoint(1024, 0));
}

} // namespace
