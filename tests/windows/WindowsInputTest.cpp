// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on Windows itself (under Wine in the Windows build): keys enter through the
// system's input queue with SendInput, as a keyboard's do, so Windows' own handling of Alt and
// of the keypad has its say; Copy and Paste go through the Windows clipboard; the manifest
// makes the program aware of each monitor's DPI.
#include "app/CommandKeys.h"
#include "app/Unit1.h"
#include "support/WindowFixture.h"

#include <QAbstractNativeEventFilter>
#include <QSignalSpy>
#include <QTimer>

#include <qt_windows.h>

#include <vector>

using testdata::VerbRecordBuilder;
using testwindow::pressSpy;
using testwindow::WindowFixture;

namespace {

// Counts the times the window goes into the system menu's keyboard mode. Windows takes it there
// when a key goes on to its default handling: Alt released alone, or Alt with a letter no menu
// takes, which also beeps.
class MenuModeEntries : public QAbstractNativeEventFilter {
public:
    MenuModeEntries() { qApp->installNativeEventFilter(this); }
    ~MenuModeEntries() override { qApp->removeNativeEventFilter(this); }
    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *msg = static_cast<const MSG *>(message);
        count += msg->message == WM_ENTERMENULOOP ||
                 (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == SC_KEYMENU);
        return false;
    }
    int count = 0;
};

INPUT keyInput(WORD virtualKey, bool up, DWORD flags = 0, wchar_t character = 0)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki = {virtualKey, character, flags | (up ? KEYEVENTF_KEYUP : 0u), 0, 0};
    return input;
}

void send(std::vector<INPUT> inputs)
{
    QCOMPARE(SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)), UINT(inputs.size()));
}

// Modifiers down, the key down, all up again in reverse: a keyboard's order.
void pressKeys(QKeyCombination keys)
{
    std::vector<WORD> down;
    for (auto [modifier, key] : {std::pair{Qt::ControlModifier, VK_CONTROL},
                                 {Qt::ShiftModifier, VK_SHIFT},
                                 {Qt::AltModifier, VK_MENU}})
        if (keys.keyboardModifiers() & modifier)
            down.push_back(WORD(key));
    const Qt::Key key = keys.key(); // letters are their virtual keys
    down.push_back(key == Qt::Key_Escape ? VK_ESCAPE
                   : key >= Qt::Key_F1   ? WORD(VK_F1 + (key - Qt::Key_F1))
                                         : WORD(key));
    std::vector<INPUT> inputs;
    for (WORD virtualKey : down)
        inputs.push_back(keyInput(virtualKey, false));
    for (auto virtualKey = down.rbegin(); virtualKey != down.rend(); ++virtualKey)
        inputs.push_back(keyInput(*virtualKey, true));
    send(inputs);
}

void typeText(const QString &text)
{
    std::vector<INPUT> inputs;
    for (QChar character : text) {
        for (bool up : {false, true})
            inputs.push_back(keyInput(0, up, KEYEVENTF_UNICODE, character.unicode()));
    }
    send(inputs);
}

QString windowsClipboardText()
{
    QString text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = QString::fromWCharArray(static_cast<const wchar_t *>(GlobalLock(data)));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

void setWindowsClipboardText(const QString &text)
{
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto *characters = static_cast<wchar_t *>(GlobalLock(data));
    characters[text.toWCharArray(characters)] = 0;
    GlobalUnlock(data);
    QVERIFY(OpenClipboard(nullptr) && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, data));
    CloseClipboard();
}

} // namespace

class WindowsInputTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        VerbRecordBuilder abholen('s', 'w', '1');
        m_window = std::make_unique<WindowFixture>(
            QList{abholen.verb(QStringLiteral("abholen")).fillEveryForm()});
        // SendInput goes to the foreground window.
        SetForegroundWindow(HWND(m_window->form().winId()));
        QTRY_COMPARE(GetForegroundWindow(), HWND(m_window->form().winId()));
    }
    void cleanup() { m_window.reset(); }

    void awareOfEachMonitorsDpi()
    {
        // What Windows reads from the manifest before the program runs, and the window made.
        wchar_t setting[64] = {};
        QVERIFY(QueryActCtxSettingsW(0, nullptr,
                                     L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                                     L"dpiAwareness", setting, 64, nullptr));
        QCOMPARE(QString::fromWCharArray(setting), u"PerMonitorV2, PerMonitor");
        QCOMPARE(GetAwarenessFromDpiAwarenessContext(
                     GetWindowDpiAwarenessContext(HWND(window().form().winId()))),
                 DPI_AWARENESS_PER_MONITOR_AWARE);
    }

    void commandKeysWorkWithoutTheSystemMenu_data()
    {
        QTest::addColumn<int>("command");
        const auto &commands = app::commandKeys();
        for (int command = 0; command < int(commands.size()); ++command) {
            if (commands[command].windowShortcut)
                QTest::newRow(qPrintable(commands[command].keys.toString())) << command;
        }
    }
    void commandKeysWorkWithoutTheSystemMenu()
    {
        QFETCH(int, command);
        const app::CommandKey &named = app::commandKeys()[command];
        QWidget *target = window().findWidget(named.controls.first());
        window().retype(6, QStringLiteral("hole"));
        if (target->objectName() == u"btnHelpClose") { // Escape closes the help only while open
            pressKeys(Qt::Key_F1);
            QTRY_VERIFY(window().findWidget("helppanel")->isVisible());
        }
        MenuModeEntries menuMode;
        if (named.movesFocus) { // to the active box, else the first of its controls shown
            for (int next = 1; !target->isVisible(); ++next)
                target = window().findWidget(named.controls[next]);
            if (target->objectName().startsWith(u'E')) // the board's key: box 6 is active
                target = window().box(6);
            pressKeys(named.keys[0]);
            QTRY_COMPARE(QApplication::focusWidget(), target);
        } else {
            auto pressed = pressSpy(target);
            const int presses = target->isEnabled() ? 1 : 0; // Next and Leave outside a review
            // Review and Statistics open a modal dialog, whose loop would hold the test: close
            // whatever dialog opens, as a learner pressing Esc would.
            QTimer closer;
            connect(&closer, &QTimer::timeout, [] {
                if (QWidget *dialog = QApplication::activeModalWidget())
                    dialog->close();
            });
            closer.start(100);
            pressKeys(named.keys[0]);
            QTest::qWait(50);
            QTRY_COMPARE(pressed->count(), presses);
        }
        QTest::qWait(50); // anything Windows would do after the key comes now
        QCOMPARE(menuMode.count, 0);
        // The help takes the focus; the other commands leave it in the box, Esc gives it back.
        if (!named.movesFocus)
            QCOMPARE(QApplication::focusWidget(), target->objectName() == u"btnHelp"
                                                      ? window().findWidget("HelpMemo")
                                                      : window().box(6));
    }

    void altAloneLeavesTheTypingInTheBox()
    {
        window().retype(6, QStringLiteral("ho"));
        MenuModeEntries menuMode;
        send({keyInput(VK_MENU, false), keyInput(VK_MENU, true)});
        typeText(QStringLiteral("le")); // in the menu mode they would go to the menu, beeping
        QTRY_COMPARE(window().box(6)->text(), QStringLiteral("hole"));
        QCOMPARE(menuMode.count, 0);
    }

    void returnAndKeypadEnterPressTheFocusedButton_data()
    {
        QTest::addColumn<DWORD>("flags");
        QTest::newRow("Return") << DWORD(0);
        QTest::newRow("keypad Enter") << DWORD(KEYEVENTF_EXTENDEDKEY);
    }
    void returnAndKeypadEnterPressTheFocusedButton()
    {
        QFETCH(DWORD, flags);
        QWidget *button = window().findWidget("btnShowAll");
        window().click(window().box(5));
        for (int presses = 0; presses < 120 && QApplication::focusWidget() != button; ++presses) {
            QWidget *before = QApplication::focusWidget();
            send({keyInput(VK_TAB, false), keyInput(VK_TAB, true)});
            QTRY_VERIFY(QApplication::focusWidget() != before);
        }
        auto pressed = pressSpy(button);
        send({keyInput(VK_RETURN, false, flags), keyInput(VK_RETURN, true, flags)});
        QTRY_COMPARE(pressed->count(), 1);
        QCOMPARE(window().box(5)->text(), VerbRecordBuilder::sampleForm(0, 5)); // Show All ran
    }

    void copyAndPasteGoThroughTheWindowsClipboard()
    {
        window().click(window().box(5));
        typeText(QStringLiteral("grüße"));
        QTRY_COMPARE(window().box(5)->text(), QStringLiteral("grüße"));
        pressKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
        QTRY_COMPARE(windowsClipboardText(), QStringLiteral("grüße"));

        setWindowsClipboardText(QStringLiteral("Ärger"));
        window().click(window().box(6));
        pressKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
        QTRY_COMPARE(window().box(6)->text(), QStringLiteral("Ärger"));
    }

private:
    WindowFixture &window() { return *m_window; }
    std::unique_ptr<WindowFixture> m_window;
};

ZANDREL_WINDOW_TEST_MAIN(WindowsInputTest)
#include "WindowsInputTest.moc"
