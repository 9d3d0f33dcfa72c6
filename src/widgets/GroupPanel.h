// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>

namespace widgets {

// A plain panel that holds a group of controls. Assistive technology sees a
// named group ("panel"), not a frame.
class GroupPanel : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
};

} // namespace widgets
