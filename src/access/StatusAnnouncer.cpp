// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/StatusAnnouncer.h"

namespace accessibility {

StatusAnnouncer::StatusAnnouncer(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0); // nothing on screen
    hide();
}

void StatusAnnouncer::announce(const QString &message)
{
    hide();
    setAccessibleName(message);
    show();
}

void StatusAnnouncer::withdraw()
{
    hide();
}

} // namespace accessibility
