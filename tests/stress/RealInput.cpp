// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RealInput.h"

#include "support/WindowFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace stress::input {

namespace {

QWidget *keyTarget(QWidget *window)
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus : window;
}

QPoint pointIn(const QWidget *target, QPointF relative)
{
    const QRect area = target->rect();
    const int x = std::clamp(int(relative.x() * area.width()), 0, std::max(0, area.width() - 1));
    const int y = std::clamp(int(relative.y() * area.height()), 0, std::max(0, area.height() - 1));
    return {x, y};
}

} // namespace

QWidget *widgetAt(QWidget *window, QPoint point)
{
    QWidget *hit = window->childAt(point);
    return hit ? hit : window;
}

QWidget *click(QWidget *window, QWidget *target, QPointF relative)
{
    const QPoint inWindow = target->mapTo(window, pointIn(target, relative));
    QWidget *hit = widgetAt(window, inWindow);
    QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hit->mapFrom(window, inWindow));
    QApplication::processEvents();
    return hit;
}

QWidget *wheel(QWidget *window, QWidget *target, int steps)
{
    QWidget *hit = widgetAt(window, target->mapTo(window, target->rect().center()));
    testwindow::turnWheel(target, 120 * steps); // lands on `hit`, as the desktop's would
    return hit;
}

namespace {

// Opens the list's drop-down with a click, presses the keys in it, Return.
bool chooseByKeys(QWidget *window, QComboBox *list, int key, int presses)
{
    const QWidget *hit = click(window, list);
    QAbstractItemView *view = list->view();
    if (hit != list) { // something covers the list: no drop-down
        closePopups();
        return false;
    }
    if (!view->isVisible() && !QTest::qWaitFor([view] { return view->isVisible(); }, 1000)) {
        closePopups();
        return false;
    }
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(view, Qt::Key(key));
    QTest::keyClick(view, Qt::Key_Return);
    // The drop-down may flash the chosen entry before it closes; closePopups
    // closes it if it is still open.
    (void)QTest::qWaitFor([view] { return !view->isVisible(); }, 1000);
    closePopups();
    return true;
}

} // namespace

bool choose(QWidget *window, QComboBox *list, int steps)
{
    return chooseByKeys(window, list, steps > 0 ? Qt::Key_Down : Qt::Key_Up, std::abs(steps));
}

bool chooseWithKey(QWidget *window, QComboBox *list, int key)
{
    return chooseByKeys(window, list, key, 1);
}

void key(QWidget *window, int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(keyTarget(window), Qt::Key(key), modifiers);
    QApplication::processEvents();
}

void type(QWidget *window, const QString &text)
{
    for (QChar ch : text) {
        // As the keyboard sends it: the key of the letter (Latin-1 letters
        // have their upper-case code point as key code) and the text typed.
        QWidget *target = keyTarget(window);
        const auto code = Qt::Key(ch == u' ' ? int(Qt::Key_Space) : int(ch.toUpper().unicode()));
        QTest::sendKeyEvent(QTest::Press, target, code, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, target, code, QString(ch), Qt::NoModifier);
    }
    QApplication::processEvents();
}

void closePopups()
{
    for (int guard = 0; guard < 5; ++guard) {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        QTest::keyClick(popup, Qt::Key_Escape);
        QApplication::processEvents();
    }
}

} // namespace stress::input
