#pragma once

#include "controls/OfficeBorderStyle.h"
#include "controls/OfficeFrameRules.h"

#include <QFrame>

namespace controls {

// Panel with a centred caption and a self-painted frame in one of the office
// frame styles; reports clicks. Its background is its palette's colour for its
// background role; its caption lies inside the two frame pixels.
class OfficePanel : public QFrame {
    Q_OBJECT
public:
    explicit OfficePanel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

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

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setStyles(const OfficeFrameStyles &styles);

    QString m_caption;
    OfficeFrameStyles m_styles = textControlDefaultStyles();
    bool m_flat = false;
    bool m_pointerInside = false;
};

} // namespace controls
