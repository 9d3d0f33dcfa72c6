#pragma once

#include "controls/OfficeBorderStyle.h"
#include "controls/OfficeFrameRules.h"

#include <QPlainTextEdit>

namespace controls {

// Multi-line text box with a self-painted two-pixel frame in one of the office
// frame styles. Enabled it shows the window colour, disabled the button face.
class OfficeMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit OfficeMemo(QWidget *parent = nullptr);

    OfficeBorderStyle borderStyle() const { return m_styles.normal; }
    void setBorderStyle(OfficeBorderStyle style);
    OfficeBorderStyle borderStyleFlat() const { return m_styles.flat; }
    void setBorderStyleFlat(OfficeBorderStyle style);
    OfficeBorderStyle borderStyleFocused() const { return m_styles.focused; }
    void setBorderStyleFocused(OfficeBorderStyle style);

    bool isFlat() const { return m_flat; }
    void setFlat(bool flat); // keeps the styles

    OfficeBorderStyle currentFrameStyle() const;
    bool isPointerInside() const { return m_pointerInside; }

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setStyles(const OfficeFrameStyles &styles);
    void paintFrame();
    void followEnabledColour();

    OfficeFrameStyles m_styles = textControlDefaultStyles();
    bool m_flat = false;
    bool m_pointerInside = false;
};

} // namespace controls
