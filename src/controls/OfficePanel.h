#pragma once

#include "controls/OfficeFramed.h"

#include <QFrame>

namespace controls {

// Panel with a centred caption and a self-painted frame in one of the office
// frame styles; reports clicks. Its background is its palette's colour for its
// background role; its caption lies inside the two frame pixels.
class OfficePanel : public OfficeFramed<QFrame> {
    Q_OBJECT
public:
    explicit OfficePanel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    void setFlat(bool flat) { setFlatFlag(flat); } // keeps the styles

    OfficeBorderStyle currentFrameStyle() const { return textControlFrameStyle(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
};

} // namespace controls
