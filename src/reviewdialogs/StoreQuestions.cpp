// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reviewdialogs/StoreQuestions.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace reviewdialogs {

bool askToKeepProgress(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("ConsentDialog"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

FaultAnswer askAboutProgressFault(QWidget *parent, const QString &message, bool canStartFresh)
{
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), message,
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("ProgressFaultDialog"));
    QPushButton *fresh = nullptr;
    if (canStartFresh) {
        fresh = box.addButton(QStringLiteral("Start &fresh"), QMessageBox::AcceptRole);
        fresh->setObjectName(QStringLiteral("startFresh"));
    }
    QPushButton *unsaved =
        box.addButton(QStringLiteral("Review &without saving"), QMessageBox::AcceptRole);
    unsaved->setObjectName(QStringLiteral("withoutSaving"));
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.exec();
    if (fresh && box.clickedButton() == fresh)
        return FaultAnswer::StartFresh;
    return box.clickedButton() == unsaved ? FaultAnswer::WithoutSaving : FaultAnswer::Cancel;
}

} // namespace reviewdialogs
