// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/OfficeBorderStyle.h"
#include "widgets/OfficeFrameRules.h"

class QEnterEvent;
class QEvent;
class QFocusEvent;
class QWidget;

namespace widgets {

// What the office-style controls share on top of their Qt base: the frame
// styles and their setters, the Flat flag, whether the pointer is inside, and
// a repaint whenever one of these (or the focus) changes. Each control adds
// only its own rules, e.g. what setting Flat does to the styles.
template <typename Base> class OfficeFramed : public Base {
public:
    OfficeBorderStyle borderStyle() const { return m_styles.normal; }
    void setBorderStyle(OfficeBorderStyle style) { setStyle(&OfficeFrameStyles::normal, style); }
    OfficeBorderStyle borderStyleFlat() const { return m_styles.flat; }
    void setBorderStyleFlat(OfficeBorderStyle style) { setStyle(&OfficeFrameStyles::flat, style); }
    OfficeBorderStyle borderStyleFocused() const { return m_styles.focused; }
    void setBorderStyleFocused(OfficeBorderStyle style)
    {
        setStyle(&OfficeFrameStyles::focused, style);
    }

    bool isFlat() const
    {
        if constexpr (BaseHasFlat)
            return Base::isFlat();
        else
            return m_flat;
    }
    bool isPointerInside() const { return m_pointerInside; }

protected:
    OfficeFramed(QWidget *parent, const OfficeFrameStyles &defaults)
        : Base(parent), m_styles(defaults)
    {
    }

    const OfficeFrameStyles &styles() const { return m_styles; }
    void setStyles(const OfficeFrameStyles &styles)
    {
        m_styles = styles;
        this->update();
    }
    void setStyle(OfficeBorderStyle OfficeFrameStyles::*which, OfficeBorderStyle style)
    {
        OfficeFrameStyles styles = m_styles;
        styles.*which = style;
        setStyles(styles);
    }
    // Only the flag; what else setting Flat does is the control's own rule.
    void setFlatFlag(bool flat)
    {
        if constexpr (BaseHasFlat)
            Base::setFlat(flat);
        else
            m_flat = flat;
        this->update();
    }

    // The frame of an entry box, memo or panel right now.
    OfficeBorderStyle textControlFrameStyle() const
    {
        return chooseTextControlFrame(m_styles, isFlat(), this->hasFocus(), m_pointerInside);
    }

    // The pointer only changes the frame of a Flat control.
    void enterEvent(QEnterEvent *event) override
    {
        m_pointerInside = true;
        if (isFlat())
            this->update();
        Base::enterEvent(event);
    }
    void leaveEvent(QEvent *event) override
    {
        m_pointerInside = false;
        if (isFlat())
            this->update();
        Base::leaveEvent(event);
    }
    void focusInEvent(QFocusEvent *event) override
    {
        Base::focusInEvent(event);
        this->update();
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        Base::focusOutEvent(event);
        this->update();
    }

private:
    // A base with a Flat flag of its own (the push button) keeps it there.
    static constexpr bool BaseHasFlat = requires(const Base &base) { base.isFlat(); };

    OfficeFrameStyles m_styles;
    bool m_flat = false;
    bool m_pointerInside = false;
};

} // namespace widgets
