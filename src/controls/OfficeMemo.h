#pragma once

#include "controls/OfficeFramed.h"

#include <QPlainTextEdit>

namespace controls {

// Multi-line text box with a self-painted two-pixel frame in one of the office
// frame styles. Enabled it shows the window colour, disabled the button face.
class OfficeMemo : public OfficeFramed<QPlainTextEdit> {
    Q_OBJECT
public:
    explicit OfficeMemo(QWidget *parent = nullptr);

    void setFlat(bool flat) { setFlatFlag(flat); } // keeps the styles

    OfficeBorderStyle currentFrameStyle() const { return textControlFrameStyle(); }

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void paintFrame();
    void followEnabledColour();
};

} // namespace controls
