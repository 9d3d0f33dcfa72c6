// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on Windows itself (under Wine in the Windows build): keys enter through the
// system's input queue with SendInput, as a keyboard's do, so Windows' own handling of Alt and
// of the keypad has its say; Copy and Paste go through the Windows clipboard; the program is
// aware of each monitor's DPI from its first moment, as its manifest declares.
#include "app/Unit1.h"
#include "support/WindowFixture.h"

#include <QAbstractNativeEventFilter>
#include <QSignalSpy>

#include <qt_windows.h>

#include <vector>

using testdata::VerbRecordBuilder;
using testwindow::pressSpy;
using testwindow::WindowFixture;

namespace {

DPI_AWARENESS awarenessBeforeQt = DPI_AWARENESS_INVALID;

QList<VerbRecordBuilder> verbs()
{
    VerbRecordBuilder abholen('s', 'w', '1');
    abholen.verb(QStringLiteral("abholen")).fillEveryForm();
    return {abholen};
}

// Counts the times the window goes into the system menu's keyboard mode. Windows takes it there
// when a key goes on to its default handling: Alt released alone, or Alt with a letter no menu
// takes, which also beeps.
class MenuModeEntries : public QAbstractNativeEventFilter {
public:
    MenuModeEntries() { QCoreApplication::instance()->installNativeEventFilter(this); }
    ~MenuModeEntries() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *msg = static_cast<const MSG *>(message);
        if ((msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == SC_KEYMENU) ||
            msg->message == WM_ENTERMENULOOP)
            ++count;
        return false;
    }
    int count = 0;
};

INPUT keyInput(WORD virtualKey, bool up, DWORD flags = 0)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

void send(std::vector<INPUT> inputs)
{
    QCOMPARE(SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)), UINT(inputs.size()));
}

WORD virtualKey(Qt::Key key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return WORD('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return WORD(VK_F1 + (key - Qt::Key_F1));
    if (key == Qt::Key_Escape)
        return VK_ESCAPE;
    qFatal("no virtual key for Qt key %x", key);
}

// Modifiers down, the key down and up, modifiers up: a keyboard's order.
void pressKeys(QKeyCombination keys)
{
    std::vector<WORD> modifiers;
    if (keys.keyboardModifiers() & Qt::ControlModifier)
        modifiers.push_back(VK_CONTROL);
    if (keys.keyboardModifiers() & Qt::ShiftModifier)
        modifiers.push_back(VK_SHIFT);
    if (keys.keyboardModifiers() & Qt::AltModifier)
        modifiers.push_back(VK_MENU);
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(keyInput(modifier, false));
    inputs.push_back(keyInput(virtualKey(keys.key()), false));
    inputs.push_back(keyInput(virtualKey(keys.key()), true));
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier)
        inputs.push_back(keyInput(*modifier, true));
    send(inputs);
}

void typeText(const QString &text)
{
    std::vector<INPUT> inputs;
    for (QChar character : text) {
        for (bool up : {false, true}) {
            INPUT input = keyInput(0, up, KEYEVENTF_UNICODE);
            input.ki.wScan = character.unicode();
            inputs.push_back(input);
        }
    }
    send(inputs);
}

QString windowsClipboardText()
{
    QString text;
    if (!OpenClipboard(nullptr))
        return QStringLiteral("<clipboard busy>");
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = QString::fromWCharArray(static_cast<const wchar_t *>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

bool setWindowsClipboardText(const QString &text)
{
    const std::wstring wide = text.toStdWString();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(data), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    const bool set = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
    CloseClipboard();
    return set;
}

} // namespace

class WindowsInputTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_window = std::make_unique<WindowFixture>(verbs());
        // SendInput goes to the foreground window.
        QVERIFY(SetForegroundWindow(HWND(m_window->form().winId())));
        QTRY_COMPARE(GetForegroundWindow(), HWND(m_window->form().winId()));
    }
    void cleanup() { m_window.reset(); }

    void awareOfEachMonitorsDpiFromTheStart();
    void commandKeysWorkWithoutTheSystemMenu_data();
    void commandKeysWorkWithoutTheSystemMenu();
    void altAloneLeavesTheTypingInTheBox();
    void returnAndKeypadEnterPressTheFocusedButton_data();
    void returnAndKeypadEnterPressTheFocusedButton();
    void copyAndPasteGoThroughTheWindowsClipboard();

private:
    WindowFixture &window() { return *m_window; }
    std::unique_ptr<WindowFixture> m_window;
};

void WindowsInputTest::awareOfEachMonitorsDpiFromTheStart()
{
    // What Windows reads from the program's manifest before it runs.
    std::vector<wchar_t> setting(64);
    SIZE_T written = 0;
    QVERIFY(QueryActCtxSettingsW(0, nullptr,
                                 L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                                 L"dpiAwareness", setting.data(), setting.size(), &written));
    QCOMPARE(QString::fromWCharArray(setting.data()), u"PerMonitorV2, PerMonitor");
    QCOMPARE(awarenessBeforeQt, DPI_AWARENESS_PER_MONITOR_AWARE);
    QCOMPARE(GetAwarenessFromDpiAwarenessContext(
                 GetWindowDpiAwarenessContext(HWND(window().form().winId()))),
             DPI_AWARENESS_PER_MONITOR_AWARE);
    // Qt scales by the monitor's own DPI, unrounded.
    const QScreen *screen = window().form().screen();
    QCOMPARE(window().form().devicePixelRatioF(), screen->logicalDotsPerInch() / 96.0);
}

void WindowsInputTest::commandKeysWorkWithoutTheSystemMenu_data()
{
    testwindow::addWindowShortcutRows(
        [](const QString &, const QKeySequence &keys) { return keys.toString(); });
}

void WindowsInputTest::commandKeysWorkWithoutTheSystemMenu()
{
    QFETCH(QString, control);
    QFETCH(QKeySequence, keys);
    window().retype(6, QStringLiteral("hole"));
    if (control == u"btnHelpClose") { // Escape closes the help only while it is open
        pressKeys(Qt::Key_F1);
        QTRY_VERIFY(window().findWidget("helppanel")->isVisible());
    }
    auto pressed = pressSpy(window().findWidget(control));
    MenuModeEntries menuMode;

    pressKeys(keys[0]);

    QTRY_COMPARE(pressed->count(), 1);
    QTest::qWait(50); // anything Windows would do after the key comes now
    QCOMPARE(menuMode.count, 0);
    QCOMPARE(QApplication::focusWidget(), window().box(6));
}

void WindowsInputTest::altAloneLeavesTheTypingInTheBox()
{
    window().retype(6, QStringLiteral("ho"));
    MenuModeEntries menuMode;
    send({keyInput(VK_MENU, false), keyInput(VK_MENU, true)});
    typeText(QStringLiteral("le"));
    // In the menu mode the letters would have gone to the system menu, with a beep.
    QTRY_COMPARE(window().box(6)->text(), QStringLiteral("hole"));
    QCOMPARE(menuMode.count, 0);
}

void WindowsInputTest::returnAndKeypadEnterPressTheFocusedButton_data()
{
    QTest::addColumn<DWORD>("flags");
    QTest::newRow("Return") << DWORD(0);
    QTest::newRow("keypad Enter") << DWORD(KEYEVENTF_EXTENDEDKEY);
}

void WindowsInputTest::returnAndKeypadEnterPressTheFocusedButton()
{
    QFETCH(DWORD, flags);
    QWidget *button = window().findWidget("btnShowAll");
    window().click(window().box(5));
    for (int presses = 0; presses < 120 && QApplication::focusWidget() != button; ++presses) {
        QWidget *before = QApplication::focusWidget();
        send({keyInput(VK_TAB, false), keyInput(VK_TAB, true)});
        QTRY_VERIFY(QApplication::focusWidget() != before);
    }
    QCOMPARE(QApplication::focusWidget(), button);
    auto pressed = pressSpy(button);

    send({keyInput(VK_RETURN, false, flags), keyInput(VK_RETURN, true, flags)});

    QTRY_COMPARE(pressed->count(), 1);
    QCOMPARE(window().box(5)->text(), VerbRecordBuilder::sampleForm(0, 5)); // Show All ran
}

void WindowsInputTest::copyAndPasteGoThroughTheWindowsClipboard()
{
    window().click(window().box(5));
    typeText(QStringLiteral("grüße"));
    QTRY_COMPARE(window().box(5)->text(), QStringLiteral("grüße"));
    pressKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    QTRY_COMPARE(windowsClipboardText(), QStringLiteral("grüße"));

    QVERIFY(setWindowsClipboardText(QStringLiteral("Ärger")));
    window().click(window().box(6));
    pressKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    QTRY_COMPARE(window().box(6)->text(), QStringLiteral("Ärger"));
}

int main(int argc, char *argv[])
{
    // What the manifest gave the process, before Qt asks for anything itself.
    awarenessBeforeQt = GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext());
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("German Verb Zandrel"));
    QStandardPaths::setTestModeEnabled(true);
    appearance::registerFontSubstitutes();
    WindowsInputTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowsInputTest.moc"
