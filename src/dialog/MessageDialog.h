// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialog/MessageDialogRules.h"

#include <QObject>
#include <QString>

#include <memory>

class QWidget;

namespace dialog {

class MessageBoxWindow;

// The message, its kind, title, sound, icon and help settings; execute()
// sounds the kind's sound when asked and then has the subclass build and show
// the box.
class MessageDialogBase : public QObject {
    Q_OBJECT
public:
    explicit MessageDialogBase(QObject *owner = nullptr);

    // Line breaks in the text are CR LF (a lone LF or CR works too).
    QString text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    // Empty: the kind's title, or the application's for kinds without one.
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    MessageDialogKind kind() const { return m_kind; }
    void setKind(MessageDialogKind kind) { m_kind = kind; }
    bool makeSound() const { return m_makeSound; }
    void setMakeSound(bool on) { m_makeSound = on; }
    int helpContext() const { return m_helpContext; }
    void setHelpContext(int context) { m_helpContext = context; }
    // Empty: the owning window's help file (its "helpFile" property).
    QString helpFile() const { return m_helpFile; }
    void setHelpFile(const QString &file) { m_helpFile = file; }
    // The icon of mkUser boxes: a resource path (":/...") or file; empty means
    // the application's own icon.
    QString iconResource() const { return m_iconResource; }
    void setIconResource(const QString &name) { m_iconResource = name; }

    // Shows the box modally; returns the ModalResult of the button that closed it.
    int execute();

protected:
    // Builds, shows and destroys the box; returns its modal result.
    virtual int showModalBox() = 0;
    // Plays the system sound: Windows has one for each kind; elsewhere the
    // toolkit has one beep for all of them.
    virtual void playSound(MessageSound sound);

private:
    QString m_text;
    QString m_title;
    MessageDialogKind m_kind = MessageDialogKind::mkInformation;
    bool m_makeSound = false;
    int m_helpContext = 0;
    QString m_helpFile;
    QString m_iconResource;
};

// A message box described by properties: buttons (kept in step with
// ButtonGroup), default button, options and placement, shown by execute().
class MessageDialog : public MessageDialogBase {
    Q_OBJECT
public:
    explicit MessageDialog(QObject *owner = nullptr);

    MessageDialogButtons buttons() const { return m_buttons; }
    void setButtons(MessageDialogButtons buttons);
    MessageDialogButtonGroup buttonGroup() const { return m_buttonGroup; }
    void setButtonGroup(MessageDialogButtonGroup group);
    MessageDialogButton defButton() const { return m_defButton; }
    void setDefButton(MessageDialogButton button) { m_defButton = button; }
    MessageDialogOptions options() const { return m_options; }
    void setOptions(MessageDialogOptions options) { m_options = options; }
    MessageDialogAlign align() const { return m_align; }
    void setAlign(MessageDialogAlign align) { m_align = align; }
    int offsetLeft() const { return m_offsetLeft; }
    void setOffsetLeft(int offset) { m_offsetLeft = offset; }
    int offsetTop() const { return m_offsetTop; }
    void setOffsetTop(int offset) { m_offsetTop = offset; }

    // The box execute() would show, built but not shown.
    std::unique_ptr<MessageBoxWindow> createBox();
    // The help file the box's help button asks for.
    QString effectiveHelpFile() const;

signals:
    // The box is built and about to be shown modally: a chance to look at it
    // (tests close it from here through a queued call).
    void aboutToShow(dialog::MessageBoxWindow *box);
    // The help button was pressed; the box stays open.
    void helpRequested(const QString &helpFile, int helpContext);

protected:
    int showModalBox() override;
    // Runs the shown box until it closes; returns its modal result.
    virtual int runModal(MessageBoxWindow &box);

private:
    QWidget *ownerWindow() const;

    MessageDialogButtons m_buttons = mbOK;
    MessageDialogButtonGroup m_buttonGroup = MessageDialogButtonGroup::bgOK;
    MessageDialogButton m_defButton = mbOK;
    MessageDialogOptions m_options = mdoAutoHelpBtn | mdoShowCustomIcon;
    MessageDialogAlign m_align = MessageDialogAlign::mdaScreenCentre;
    int m_offsetLeft = 0;
    int m_offsetTop = 0;
};

} // namespace dialog
