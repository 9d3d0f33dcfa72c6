// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/FlatComboBox.h"

#include "lists/DropDownButtonPainter.h"
#include "widgets/OfficeFramePainter.h"
#include "widgets/SharedStyle.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <cstdlib>

namespace lists {

namespace {

constexpr int ButtonInset = 2; // the drop-down button's distance from the edges
constexpr int FieldInset = 3;  // the field's distance from the edges
constexpr int EntryTextIndent = 2;

// The list drops below the control with at most maxVisibleItems rows, as a
// list rather than as a menu over the control.
class DropDownListStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// A key that types a letter (or a blank) rather than moving, choosing or
// running a shortcut.
bool typesText(const QKeyEvent *event)
{
    return !event->text().isEmpty() && event->text().front().isPrint() &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// Rows of the list, drawn by the combo box itself at its row height.
class EntryDelegate : public QStyledItemDelegate {
public:
    explicit EntryDelegate(FlatComboBox *combo) : QStyledItemDelegate(combo), m_combo(combo) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return {option.rect.width(), m_combo->rowHeight()};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        painter->save();
        m_combo->paintEntry(*painter, option.rect, index.row(),
                            option.state.testFlag(QStyle::State_Selected));
        painter->restore();
    }

private:
    FlatComboBox *m_combo;
};

} // namespace

FlatComboBox::FlatComboBox(QWidget *parent) : QComboBox(parent)
{
    setStyle(widgets::sharedStyle<DropDownListStyle>());
    // Not the combo box's default wheel focus: the wheel must not take the
    // focus from the box the learner is typing in.
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setItemDelegate(new EntryDelegate(this));
    // QComboBox reports every selection of the user as `activated`, and none
    // of the program's.
    connect(this, &QComboBox::activated, this, &FlatComboBox::changed);
}

void FlatComboBox::setActivate(bool activate)
{
    m_activate = activate;
    update();
}

QColor FlatComboBox::borderColor() const
{
    return m_borderColor.value_or(widgets::systemColors(palette()).shadow);
}

void FlatComboBox::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    update();
}

void FlatComboBox::setFlat(bool flat)
{
    m_flat = flat;
    update();
}

void FlatComboBox::setShowBorder(bool show)
{
    m_showBorder = show;
    update();
}

void FlatComboBox::setItemHeight(int height)
{
    m_itemHeight = height;
    view()->doItemsLayout();
}

int FlatComboBox::rowHeight() const
{
    return std::max(m_itemHeight, fontMetrics().height() + 2);
}

void FlatComboBox::setItemIndex(int index)
{
    setCurrentIndex(index);
}

QColor FlatComboBox::backgroundColor() const
{
    return palette().color(backgroundRole());
}

QRect FlatComboBox::dropDownButtonRect() const
{
    const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return {rect().right() - ButtonInset - width + 1, ButtonInset, width,
            height() - 2 * ButtonInset};
}

bool FlatComboBox::isDropped() const
{
    return view()->isVisible();
}

void FlatComboBox::showPopup()
{
    // The list can also close without hidePopup (a click elsewhere), so its
    // showing and hiding are watched to redraw the frame and button.
    if (QWidget *list = view()->parentWidget(); list && list != this)
        list->installEventFilter(this);
    view()->installEventFilter(this); // typing into the open list
    QComboBox::showPopup();
    update();
}

bool FlatComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        update();
    if (watched == view() && event->type() == QEvent::KeyPress &&
        typesText(static_cast<QKeyEvent *>(event))) {
        // The open list moves its highlight only; Return or a click chooses.
        const int row =
            typeAheadRow(static_cast<QKeyEvent *>(event)->text(), view()->currentIndex().row());
        if (row >= 0)
            view()->setCurrentIndex(model()->index(row, modelColumn(), rootModelIndex()));
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void FlatComboBox::keyPressEvent(QKeyEvent *event)
{
    // Space opens the closed list, as it always has, unless it is typed within
    // a search ("past s").
    if (!typesText(event) || (event->key() == Qt::Key_Space && !isTypingAhead())) {
        QComboBox::keyPressEvent(event);
        return;
    }
    const int row = typeAheadRow(event->text(), currentIndex());
    if (row >= 0 && row != currentIndex())
        chooseAsTheUser(row);
    event->accept();
}

bool FlatComboBox::isTypingAhead() const
{
    return m_typeAhead.isSearching() && m_sinceTypedKey.isValid() &&
           m_sinceTypedKey.elapsed() < QApplication::keyboardInputInterval();
}

int FlatComboBox::typeAheadRow(const QString &typed, int current)
{
    QStringList keys;
    keys.reserve(count());
    for (int row = 0; row < count(); ++row)
        keys.append(isEnabledRow(row) ? m_typeAheadKey(itemText(row)) : QString());
    const bool quickly = m_sinceTypedKey.isValid() &&
                         m_sinceTypedKey.elapsed() < QApplication::keyboardInputInterval();
    m_sinceTypedKey.start();
    return m_typeAhead.keyTyped(typed, quickly, keys, current);
}

void FlatComboBox::paintEntry(QPainter &painter, const QRect &row, int index, bool selected) const
{
    const QPalette &colours = palette();
    painter.fillRect(row, selected ? colours.color(QPalette::Highlight) : backgroundColor());
    painter.setPen(selected ? colours.color(QPalette::HighlightedText)
                            : colours.color(QPalette::Text));
    painter.setFont(font());
    painter.drawText(row.adjusted(EntryTextIndent, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, itemText(index));
}

void FlatComboBox::paintFrame(QPainter &painter)
{
    const widgets::SystemColors colors = widgets::systemColors(palette());
    const bool standardBorder = !m_flat || (m_pointerInside && !isDropped() && m_activate);
    if (standardBorder) {
        widgets::paintOfficeFrame(painter, rect(), widgets::OfficeBorderStyle::Sunken, colors);
        return;
    }
    widgets::paintRing(painter, rect(), m_showBorder ? borderColor() : backgroundColor());
    widgets::paintRing(painter, rect().adjusted(1, 1, -1, -1), backgroundColor());
}

void FlatComboBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor());
    const QRect button = dropDownButtonRect();
    const QRect field(FieldInset, FieldInset, button.left() - FieldInset - 1,
                      height() - 2 * FieldInset);
    if (currentIndex() >= 0) {
        painter.save();
        painter.setClipRect(field);
        paintEntry(painter, field, currentIndex(), hasFocus() && !isDropped());
        painter.restore();
    }
    paintFrame(painter);
    paintDropDownButton(painter, button, {m_flat, isDropped(), m_pointerInside, isEnabled()},
                        widgets::systemColors(palette()));
}

void FlatComboBox::enterEvent(QEnterEvent *event)
{
    m_pointerInside = true;
    if (m_flat)
        update();
    QComboBox::enterEvent(event);
}

void FlatComboBox::leaveEvent(QEvent *event)
{
    m_pointerInside = false;
    if (m_flat)
        update();
    QComboBox::leaveEvent(event);
}

void FlatComboBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    update();
}

void FlatComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    m_wheel.reset();
    update();
}

void FlatComboBox::wheelEvent(QWheelEvent *event)
{
    // An open list scrolls its rows itself; a list without the focus leaves
    // the wheel to its parent.
    if (!hasFocus() || isDropped()) {
        event->ignore();
        return;
    }
    const int notches = m_wheel.add(event->angleDelta().y());
    const int direction = notches > 0 ? -1 : 1; // away from the learner: up the list
    for (int step = std::abs(notches); step > 0; --step) {
        if (!stepSelection(direction))
            break;
    }
    event->accept();
}

bool FlatComboBox::stepSelection(int direction)
{
    for (int row = currentIndex() + direction; row >= 0 && row < count(); row += direction) {
        if (isEnabledRow(row)) {
            chooseAsTheUser(row);
            return true;
        }
    }
    return false;
}

bool FlatComboBox::isEnabledRow(int row) const
{
    return model()
        ->flags(model()->index(row, modelColumn(), rootModelIndex()))
        .testFlag(Qt::ItemIsEnabled);
}

void FlatComboBox::chooseAsTheUser(int row)
{
    setCurrentIndex(row);
    emit activated(row); // the user's choice: raises `changed`
    emit textActivated(itemText(row));
}

void FlatComboBox::changeEvent(QEvent *event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        view()->doItemsLayout(); // row heights follow the font
    if (event->type() == QEvent::EnabledChange)
        update();
}

} // namespace lists
