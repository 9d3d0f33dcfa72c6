// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/CaptionFit.h"

#include <QLabel>

#include <optional>

namespace widgets {

// A one-line label that keeps its caption inside the room from where it stands
// to its parent's right edge. A caption wider than that is drawn at the largest
// size that fits, not below 12 px (cut with an ellipsis when even that is too
// wide), and pointing at it shows the whole caption as a tooltip. A caption
// that fits is drawn exactly as a QLabel draws it.
//
// The label's font stays the one set on it: whoever sets the lettering sets
// the designed font, and the fitting follows every change of font or text.
class FittingLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr int SmallestPixels = 12;

    explicit FittingLabel(const QString &text = {}, QWidget *parent = nullptr);

    int room() const;
    CaptionFit fit() const;
    QFont drawnFont() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int horizontalMargins() const;
    QFont fontAt(int pixels) const;

    // The last fit, kept while text, font and room stay: a parade through the
    // verbs asks for it several times a step.
    struct Memo {
        QString text;
        QFont font;
        int room = 0;
        CaptionFit fit;
    };
    mutable std::optional<Memo> m_memo;
};

} // namespace widgets
