// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowFixture.h"

#include "app/Unit1.h"
#include "widgets/OfficeEdit.h"
#include "widgets/OfficePanel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace testwindow {

WindowFixture::WindowFixture(const QList<testdata::VerbRecordBuilder> &records)
{
    start(testdata::verbFileBytes(records), VerbFileRead::OnSecondThread);
}

WindowFixture::WindowFixture(const QByteArray &verbFileBytes, VerbFileRead read)
{
    start(verbFileBytes, read);
}

WindowFixture::WindowFixture(NoFile, VerbFileRead read)
{
    start(std::nullopt, read);
}

void WindowFixture::start(const std::optional<QByteArray> &bytes, VerbFileRead read)
{
    if (bytes)
        testdata::writeVerbFile(m_directory.path(), *bytes);
    m_previousDirectory = QDir::currentPath();
    QDir::setCurrent(m_directory.path());

    startWindow(m_form, m_messages, 5000, read);
}

void turnWheel(QWidget *over, int angleDelta)
{
    QWidget *window = over->window();
    const QPoint inWindow = over->mapTo(window, over->rect().center());
    QWindowSystemInterface::handleWheelEvent(window->windowHandle(), inWindow,
                                             window->mapToGlobal(inWindow), QPoint(),
                                             QPoint(0, angleDelta));
    QApplication::processEvents();
}

std::unique_ptr<QSignalSpy> pressSpy(QWidget *control)
{
    if (auto *panel = qobject_cast<widgets::OfficePanel *>(control))
        return std::make_unique<QSignalSpy>(panel, &widgets::OfficePanel::clicked);
    return std::make_unique<QSignalSpy>(qobject_cast<QAbstractButton *>(control),
                                        &QAbstractButton::clicked);
}

bool startWindow(std::unique_ptr<app::TForm1> &form, QList<ShownMessage> &messages, int timeoutMs,
                 VerbFileRead read)
{
    // Close every message box the start-up shows, noting what it said.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&messages, &form] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        const QWindow *window = form ? form->windowHandle() : nullptr;
        const bool overShownWindow = window && window->isVisible() && box->windowHandle() &&
                                     box->windowHandle()->transientParent() == window;
        messages.append({box->windowTitle(), box->text(), overShownWindow});
        if (QAbstractButton *button = box->defaultButton())
            button->click();
        else
            box->reject();
        // A desktop's window manager now hands the focus back to the window; the offscreen
        // platform has none, so the fixture does what it would.
        if (form)
            form->activateWindow();
    });
    closer.start(5);

    form = read == VerbFileRead::OnSecondThread
               ? std::make_unique<app::TForm1>(app::startReadingVerbFile())
               : std::make_unique<app::TForm1>();
    QSignalSpy finished(form.get(), &app::TForm1::startUpFinished);
    form->show();
    const bool loaded = !finished.isEmpty() || finished.wait(timeoutMs);
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("the window did not become active");
    closer.stop();
    QApplication::processEvents();
    return loaded;
}

WindowFixture::~WindowFixture()
{
    m_form.reset();
    QDir::setCurrent(m_previousDirectory);
}

QWidget *WindowFixture::findWidget(const QString &name) const
{
    return m_form->findChild<QWidget *>(name);
}

widgets::OfficeEdit *WindowFixture::box(int box) const
{
    return m_form->entryBox(box);
}

void WindowFixture::click(const QString &name, std::optional<QPoint> at)
{
    QWidget *widget = findWidget(name);
    if (!widget)
        qFatal("no control named %s", qPrintable(name));
    click(widget, at);
}

void WindowFixture::click(QWidget *widget, std::optional<QPoint> at)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at.value_or(widget->rect().center()));
    QApplication::processEvents();
}

void WindowFixture::clickIntoBox(int number, int position)
{
    widgets::OfficeEdit *edit = box(number);
    // Find the point whose click puts the caret before `position`.
    for (int x = 0; x < edit->width(); ++x) {
        if (edit->cursorPositionAt(QPoint(x, edit->height() / 2)) == position) {
            click(edit, QPoint(x, edit->height() / 2));
            return;
        }
    }
    qFatal("no point of E%d puts the caret at %d", number, position);
}

void WindowFixture::typeInto(QWidget *widget, const QString &text)
{
    QTest::keyClicks(widget, text);
    QApplication::processEvents();
}

void WindowFixture::retype(int number, const QString &text)
{
    click(box(number));
    QTest::keyClick(box(number), Qt::Key_A, Qt::ControlModifier);
    typeInto(box(number), text);
}

void WindowFixture::chooseInList(const QString &listName, int index)
{
    auto *list = find<QComboBox>(listName);
    if (!list)
        qFatal("no list named %s", qPrintable(listName));
    // Open the drop-down with a click and choose the entry, as the learner does.
    click(list);
    QAbstractItemView *view = list->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }, 2000))
        qFatal("the drop-down of %s did not open", qPrintable(listName));
    // Walk to the entry with the arrow keys and take it with Return.
    QWidget *popupKeys = view;
    int at = view->currentIndex().isValid() ? view->currentIndex().row() : -1;
    for (; at < index; ++at)
        QTest::keyClick(popupKeys, Qt::Key_Down);
    for (; at > index; --at)
        QTest::keyClick(popupKeys, Qt::Key_Up);
    QTest::keyClick(popupKeys, Qt::Key_Return);
    if (!QTest::qWaitFor([view] { return !view->isVisible(); }, 2000))
        qWarning("the drop-down of %s stayed open", qPrintable(listName));
    QApplication::processEvents();
    if (list->currentIndex() != index)
        qWarning("%s did not select entry %d", qPrintable(listName), index);
}

} // namespace testwindow
