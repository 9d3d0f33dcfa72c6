// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QPointer>
#include <QStyle>

namespace widgets {

// One style of the kind for every control that asks for it, made on first use and owned by
// the application object, so it lives as long as the controls do.
template <class Style> QStyle *sharedStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new Style;
        style->setParent(qApp);
    }
    return style;
}

} // namespace widgets
