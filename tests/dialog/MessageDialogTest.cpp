// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The message dialog: the box it builds (buttons, default, Esc, title, icon,
// text) without showing it, and, shown for real, how it closes, what it
// returns and where it is placed.

#include "dialog/MessageDialog.h"
#include "dialog/MessageBoxWindow.h"

#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace dialog;

Q_DECLARE_METATYPE(dialog::MessageDialogButtons)
Q_DECLARE_METATYPE(dialog::MessageDialogOptions)
Q_DECLARE_METATYPE(dialog::MessageDialogButton)

namespace {

QStringList captions(const MessageBoxWindow &box)
{
    QStringList result;
    for (MessageDialogButton button : box.dialogButtons())
        result.append(box.dialogButton(button)->text());
    return result;
}

// Runs execute() and, once the box is up, `action` on it; a box the action
// leaves open is closed after a while so that a failing test cannot hang.
int executeWith(MessageDialog &dialog, const std::function<void(MessageBoxWindow *)> &action)
{
    const QMetaObject::Connection watching = QObject::connect(
        &dialog, &MessageDialog::aboutToShow, &dialog, [action](MessageBoxWindow *box) {
            QTimer::singleShot(0, box, [box, action] {
                QVERIFY(box->isVisible());
                action(box);
            });
            QTimer::singleShot(3000, box, [box] { box->QMessageBox::done(0); });
        });
    const int result = dialog.execute();
    QObject::disconnect(watching);
    return result;
}

// Records the sounds instead of playing them, and never shows the box.
class QuietDialog : public MessageDialog {
public:
    QList<MessageSound> sounds;
    int boxesShown = 0;

protected:
    void playSound(MessageSound sound) override { sounds.append(sound); }
    int runModal(MessageBoxWindow &) override
    {
        ++boxesShown;
        return mrOk;
    }
};

} // namespace

class MessageDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowsWarningBox();
    void buttonsShown_data();
    void buttonsShown();
    void buttonGroupAndButtonsStayInStep();
    void defButtonIsDefaultAndFocused_data();
    void defButtonIsDefaultAndFocused();
    void inhibitCancelRemovesEveryWayToCancel();
    void kindsGiveTitleAndIcon();
    void textIsShownAsPlainText();
    void soundOnlyWhenAsked();

    void buttonsAppearInTheirOrder();
    void escAnswersWithItsButton();
    void titleBarCloseGivesCancel();
    void helpButtonKeepsTheBoxOpen();
    void inhibitedBoxIgnoresEscAndClose();
    void placedOnTheScreenWhenShown();
    void readableAsAStandardMessageBox();
};

void MessageDialogTest::theWindowsWarningBox()
{
    MessageDialog dialog;
    dialog.setText("The total number of \r\nlines in the data\r\nfile is not correct.");
    dialog.setButtons(mbOK);
    dialog.setOptions(mdoAutoHelpBtn | mdoShowCustomIcon);
    const auto box = dialog.createBox();
    QCOMPARE(box->windowTitle(), QString("Information"));
    QCOMPARE(box->icon(), QMessageBox::Information);
    QCOMPARE(box->text(), QString("The total number of \nlines in the data\nfile is not correct."));
    QCOMPARE(captions(*box), QStringList{"OK"});
    QCOMPARE(box->defaultButton(), box->dialogButton(mbOK));
    QCOMPARE(box->focusWidget(), box->dialogButton(mbOK));
    QCOMPARE(box->escape(), mbOK);
    QVERIFY(box->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

void MessageDialogTest::buttonsShown_data()
{
    QTest::addColumn<MessageDialogButtons>("buttons");
    QTest::addColumn<MessageDialogOptions>("options");
    QTest::addColumn<int>("helpContext");
    QTest::addColumn<QStringList>("shown");
    const MessageDialogOptions defaults = mdoAutoHelpBtn | mdoShowCustomIcon;
    QTest::newRow("empty shows OK") << MessageDialogButtons() << defaults << 0 << QStringList{"OK"};
    QTest::newRow("auto help with a context")
        << MessageDialogButtons(mbOK) << defaults << 5 << QStringList{"OK", "&Help"};
    QTest::newRow("auto help without a context")
        << (mbOK | mbHelp) << defaults << 0 << QStringList{"OK"};
    QTest::newRow("all, in value order")
        << (mbHelp | mbYesToAll | mbNoToAll | mbAll | mbIgnore | mbRetry | mbAbort | mbCancel |
            mbOK | mbNo | mbYes)
        << MessageDialogOptions() << 0
        << QStringList{"&Yes",    "&No",  "OK",         "Cancel",      "&Abort", "&Retry",
                       "&Ignore", "&All", "N&o to All", "Yes to &All", "&Help"};
    QTest::newRow("cancel inhibited")
        << (mbOK | mbCancel) << (defaults | mdoInhibitCancel) << 0 << QStringList{"OK"};
}

void MessageDialogTest::buttonsShown()
{
    QFETCH(MessageDialogButtons, buttons);
    QFETCH(MessageDialogOptions, options);
    QFETCH(int, helpContext);
    QFETCH(QStringList, shown);
    MessageDialog dialog;
    dialog.setButtons(buttons);
    dialog.setOptions(options);
    dialog.setHelpContext(helpContext);
    QCOMPARE(captions(*dialog.createBox()), shown);
}

void MessageDialogTest::buttonGroupAndButtonsStayInStep()
{
    MessageDialog dialog;
    QCOMPARE(dialog.buttons(), MessageDialogButtons(mbOK));
    QCOMPARE(dialog.buttonGroup(), MessageDialogButtonGroup::bgOK);
    dialog.setButtonGroup(MessageDialogButtonGroup::bgYesNoCancel);
    QCOMPARE(dialog.buttons(), mbYes | mbNo | mbCancel);
    dialog.setButtons(mbRetry | mbCancel);
    QCOMPARE(dialog.buttonGroup(), MessageDialogButtonGroup::bgRetryCancel);
    dialog.setButtons(mbYes | mbHelp);
    QCOMPARE(dialog.buttonGroup(), MessageDialogButtonGroup::bgUnknown);
}

void MessageDialogTest::defButtonIsDefaultAndFocused_data()
{
    QTest::addColumn<MessageDialogButtons>("buttons");
    QTest::addColumn<MessageDialogButton>("defButton");
    QTest::addColumn<MessageDialogButton>("expected");
    QTest::newRow("Cancel chosen") << (mbOK | mbCancel) << mbCancel << mbCancel;
    QTest::newRow("not among the buttons: OK by the toolkit's rule")
        << (mbOK | mbCancel) << mbYes << mbOK;
    QTest::newRow("toolkit's rule: Yes before No") << (mbYes | mbNo) << mbOK << mbYes;
    QTest::newRow("toolkit's rule: Retry") << (mbAbort | mbRetry | mbIgnore) << mbOK << mbRetry;
    QTest::newRow("Ignore chosen") << (mbAbort | mbRetry | mbIgnore) << mbIgnore << mbIgnore;
}

void MessageDialogTest::defButtonIsDefaultAndFocused()
{
    QFETCH(MessageDialogButtons, buttons);
    QFETCH(MessageDialogButton, defButton);
    QFETCH(MessageDialogButton, expected);
    MessageDialog dialog;
    dialog.setButtons(buttons);
    dialog.setDefButton(defButton);
    const auto box = dialog.createBox();
    QCOMPARE(box->defaultButton(), box->dialogButton(expected));
    QCOMPARE(box->focusWidget(), box->dialogButton(expected));
    for (MessageDialogButton other : box->dialogButtons()) {
        if (other != expected)
            QVERIFY(!box->dialogButton(other)->isDefault());
    }
}

void MessageDialogTest::inhibitCancelRemovesEveryWayToCancel()
{
    MessageDialog dialog;
    dialog.setButtons(mbOK | mbCancel);
    dialog.setOptions(mdoInhibitCancel);
    const auto box = dialog.createBox();
    QCOMPARE(captions(*box), QStringList{"OK"});
    QCOMPARE(box->escape(), std::nullopt);
    QVERIFY(!box->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!box->windowFlags().testFlag(Qt::WindowSystemMenuHint));
}

void MessageDialogTest::kindsGiveTitleAndIcon()
{
    QGuiApplication::setApplicationDisplayName("Zandrel Test");
    MessageDialog dialog;
    const std::tuple<MessageDialogKind, QString, QMessageBox::Icon> kinds[] = {
        {MessageDialogKind::mkWarning, "Warning", QMessageBox::Warning},
        {MessageDialogKind::mkQuery, "Confirm", QMessageBox::Question},
        {MessageDialogKind::mkError, "Error", QMessageBox::Critical},
    };
    for (const auto &[kind, title, icon] : kinds) {
        dialog.setKind(kind);
        const auto box = dialog.createBox();
        QCOMPARE(box->windowTitle(), title);
        QCOMPARE(box->icon(), icon);
    }
    dialog.setKind(MessageDialogKind::mkUser);
    dialog.setOptions({});
    QCOMPARE(dialog.createBox()->windowTitle(), QString("Zandrel Test"));
    QCOMPARE(dialog.createBox()->icon(), QMessageBox::NoIcon);

    QTemporaryDir directory;
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    const QString iconFile = directory.filePath("icon.png");
    QVERIFY(picture.save(iconFile));
    dialog.setOptions(mdoShowCustomIcon);
    dialog.setIconResource(iconFile);
    const auto custom = dialog.createBox();
    QCOMPARE(custom->iconPixmap().toImage().pixelColor(custom->iconPixmap().width() / 2,
                                                       custom->iconPixmap().height() / 2),
             QColor(Qt::red));

    dialog.setKind(MessageDialogKind::mkWinLogo);
    dialog.setTitle("Own title");
    const auto logo = dialog.createBox();
    QCOMPARE(logo->windowTitle(), QString("Own title"));
    QVERIFY(!logo->iconPixmap().isNull());
}

void MessageDialogTest::textIsShownAsPlainText()
{
    MessageDialog dialog;
    dialog.setText("<b>not bold</b>\r\nsecond line");
    const auto box = dialog.createBox();
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(box->text(), QString("<b>not bold</b>\nsecond line"));
}

void MessageDialogTest::soundOnlyWhenAsked()
{
    QuietDialog dialog;
    dialog.setKind(MessageDialogKind::mkError);
    QCOMPARE(dialog.execute(), int(mrOk));
    QVERIFY(dialog.sounds.isEmpty());
    dialog.setMakeSound(true);
    dialog.execute();
    dialog.setKind(MessageDialogKind::mkUser);
    dialog.execute();
    QCOMPARE(dialog.sounds, (QList<MessageSound>{MessageSound::Hand, MessageSound::Beep}));
    QCOMPARE(dialog.boxesShown, 3);
}

void MessageDialogTest::buttonsAppearInTheirOrder()
{
    MessageDialog dialog;
    dialog.setButtons(mbCancel | mbIgnore | mbYes | mbNo);
    QList<int> lefts;
    executeWith(dialog, [&lefts](MessageBoxWindow *box) {
        for (MessageDialogButton button : box->dialogButtons())
            lefts.append(box->dialogButton(button)->mapTo(box, QPoint()).x());
        box->dialogButton(mbYes)->click();
    });
    QCOMPARE(lefts.size(), 4);
    QVERIFY(std::is_sorted(lefts.begin(), lefts.end()));
}

void MessageDialogTest::escAnswersWithItsButton()
{
    MessageDialog dialog;
    const auto pressEsc = [](MessageBoxWindow *box) { QTest::keyClick(box, Qt::Key_Escape); };
    dialog.setButtons(mbOK | mbCancel);
    QCOMPARE(executeWith(dialog, pressEsc), int(mrCancel));
    dialog.setButtons(mbYes | mbNo);
    QCOMPARE(executeWith(dialog, pressEsc), int(mrNo));
    dialog.setButtons(mbOK);
    QCOMPARE(executeWith(dialog, pressEsc), int(mrOk));
    dialog.setButtons(mbYes | mbNo);
    QCOMPARE(executeWith(dialog, [](MessageBoxWindow *box) { QTest::keyClick(box, Qt::Key_Y); }),
             int(mrYes)); // the access key
}

void MessageDialogTest::titleBarCloseGivesCancel()
{
    MessageDialog dialog;
    dialog.setButtons(mbYes | mbNo); // Esc would answer No
    QCOMPARE(executeWith(dialog, [](MessageBoxWindow *box) { box->close(); }), int(mrCancel));
}

void MessageDialogTest::helpButtonKeepsTheBoxOpen()
{
    QWidget owner;
    owner.setProperty("helpFile", "zandrel.help");
    MessageDialog dialog(&owner);
    dialog.setHelpContext(7);
    QSignalSpy help(&dialog, &MessageDialog::helpRequested);
    const int result = executeWith(dialog, [](MessageBoxWindow *box) {
        box->dialogButton(mbHelp)->click();
        QVERIFY(box->isVisible());
        box->dialogButton(mbOK)->click();
    });
    QCOMPARE(result, int(mrOk));
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toString(), QString("zandrel.help"));
    QCOMPARE(help.at(0).at(1).toInt(), 7);
}

void MessageDialogTest::inhibitedBoxIgnoresEscAndClose()
{
    MessageDialog dialog;
    dialog.setButtons(mbOK | mbCancel);
    dialog.setOptions(mdoInhibitCancel);
    bool stayedOpen = false;
    const int result = executeWith(dialog, [&stayedOpen](MessageBoxWindow *box) {
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        box->reject();
        stayedOpen = box->isVisible();
        box->dialogButton(mbOK)->click();
    });
    QVERIFY(stayedOpen);
    QCOMPARE(result, int(mrOk));
}

void MessageDialogTest::placedOnTheScreenWhenShown()
{
    MessageDialog dialog;
    dialog.setAlign(MessageDialogAlign::mdaScreenOffset);
    dialog.setOffsetLeft(5000);
    dialog.setOffsetTop(-30);
    QPoint position;
    QSize size;
    executeWith(dialog, [&](MessageBoxWindow *box) {
        position = box->pos();
        size = box->frameGeometry().size();
        box->dialogButton(mbOK)->click();
    });
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(position, QPoint(screen.right() + 1 - size.width(), screen.top()));

    dialog.setAlign(MessageDialogAlign::mdaScreenCentre);
    executeWith(dialog, [&](MessageBoxWindow *box) {
        position = box->pos();
        size = box->frameGeometry().size();
        box->dialogButton(mbOK)->click();
    });
    QCOMPARE(position,
             QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2));
}

void MessageDialogTest::readableAsAStandardMessageBox()
{
    // What a test of the whole window sees of a shown box.
    MessageDialog dialog;
    dialog.setText("line one\r\nline two");
    QString seen;
    const int result = executeWith(dialog, [&seen](MessageBoxWindow *) {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = box->windowTitle() + "|" + box->text();
        box->defaultButton()->click();
    });
    QCOMPARE(seen, QString("Information|line one\nline two"));
    QCOMPARE(result, int(mrOk));
}

QTEST_MAIN(MessageDialogTest)
#include "MessageDialogTest.moc"
