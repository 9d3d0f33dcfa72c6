// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "appearance/FontSubstitutes.h"
#include "support/VerbFileBuilder.h"
#include "widgets/OfficeEdit.h"

#include <QApplication>
#include <QByteArray>
#include <QPoint>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

class QSignalSpy;
class QWidget;

namespace app {
class TForm1;
}

namespace testwindow {

// A message box the program showed, as the learner would have read it.
struct ShownMessage {
    QString title;
    QString text;
    // It opened as a child of the main window while that window was on the screen, which is
    // what lets a compositor keep it on top of the window.
    bool overShownWindow = false;
};

// How the window gets its verb file: read on a second thread while the window
// is built, as the program starts it, or read by the window itself when first
// shown, as a window built without a started read does.
enum class VerbFileRead { OnSecondThread, WhenShown };

// Creates the real window in the current working directory and shows it,
// waiting up to `timeoutMs` until it has finished loading and become active.
// Message boxes shown meanwhile are appended to `messages` and closed with
// their default button. Returns whether loading finished in time.
bool startWindow(std::unique_ptr<app::TForm1> &form, QList<ShownMessage> &messages, int timeoutMs,
                 VerbFileRead read = VerbFileRead::OnSecondThread);

// Real input: one wheel event of `angleDelta` eighths of a degree (120, one
// notch away from the learner; negative: towards) with the pointer over the
// middle of `over`. It comes through the window system as the desktop's does,
// so Qt's own rules apply: which control gets it, and who takes the focus.
void turnWheel(QWidget *over, int angleDelta);

// The signal a press of the control (a button, or a panel that acts as one) raises.
std::unique_ptr<QSignalSpy> pressSpy(QWidget *control);

// Starts the real window in a fresh working directory that holds the given
// verb file (or none), the way the learner starts it, and waits until it is
// shown, active and has finished loading. Message boxes shown meanwhile are
// recorded and closed with their default button.
class WindowFixture {
public:
    explicit WindowFixture(const QList<testdata::VerbRecordBuilder> &records);
    explicit WindowFixture(const QByteArray &verbFileBytes,
                           VerbFileRead read = VerbFileRead::OnSecondThread);
    struct NoFile {};
    explicit WindowFixture(NoFile, VerbFileRead read = VerbFileRead::OnSecondThread);
    ~WindowFixture();

    app::TForm1 &form() { return *m_form; }
    QString directory() const { return m_directory.path(); }
    const QList<ShownMessage> &messages() const { return m_messages; }

    template <typename T> T *find(const QString &name) const
    {
        return findWidget(name) ? qobject_cast<T *>(findWidget(name)) : nullptr;
    }
    QWidget *findWidget(const QString &name) const;
    widgets::OfficeEdit *box(int box) const;

    // Real input: a left click in the middle of the named control (or at `at`).
    void click(const QString &name, std::optional<QPoint> at = std::nullopt);
    void click(QWidget *widget, std::optional<QPoint> at = std::nullopt);
    // A click into box `box` that puts the caret before character `position`.
    void clickIntoBox(int box, int position);
    void typeInto(QWidget *widget, const QString &text);
    // Clicks into box `box`, selects its text with Ctrl+A and types `text` over it.
    void retype(int box, const QString &text);
    // Selects entry `index` of a list the way the learner does: opens its
    // drop-down with a click, walks to the entry with the arrow keys, Return.
    void chooseInList(const QString &listName, int index);

private:
    void start(const std::optional<QByteArray> &bytes, VerbFileRead read);

    QTemporaryDir m_directory;
    QString m_previousDirectory;
    std::unique_ptr<app::TForm1> m_form;
    QList<ShownMessage> m_messages;
};

} // namespace testwindow

// QTEST_MAIN for window tests: the application carries the trainer's title
// and its font substitutes, as the real start-up gives them.
#define ZANDREL_WINDOW_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QApplication application(argc, argv);                                                      \
        QApplication::setApplicationDisplayName(QStringLiteral("German Verb Zandrel"));            \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        appearance::registerFontSubstitutes(); /* as the program does at start-up */               \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
