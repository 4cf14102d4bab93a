#pragma once

// A deadzone handle: the small blue tab under a pedal bar on the INPUTS page.
//
// A handle slides horizontally over 42 pixels, two pixels per percent, for a deadzone of
// 0 to 21 %. A left handle (side 0) starts at its form position and grows to the right;
// a right handle (side 1) starts at its form position and grows to the left. The percent
// is never stored: it is always worked out from the handle's x() in its parent.

#include <QLabel>
#include <QPointF>

class QMouseEvent;
class QPaintEvent;

class KestSlider : public QLabel
{
    Q_OBJECT
public:
    /// A handle with no travel yet; setSide fixes it once the form has placed the handle.
    explicit KestSlider(QWidget *parent = nullptr);

    /// Makes this a left (0) or right (1) handle and fixes its 42-pixel travel from the
    /// current x(). Any other side keeps the travel it had.
    void setSide(int side);

    /// The deadzone percent shown by the handle's position; 0 while it has no travel.
    int value() const;

    /// Moves the handle to the position of the given percent. Nothing is clamped: a
    /// percent outside 0..21 puts the handle outside its travel.
    void setValue(int percent);

Q_SIGNALS:
    /// Emitted on every mouse release on the handle, whether or not it moved.
    void valueChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int side = 0; // 0 = left handle, 1 = right handle
    int minX = -1; // leftmost x of the travel, in the parent's coordinates
    int maxX = -1; // rightmost x of the travel
    int scale = -1; // the percent at full travel
    QPointF lastPress {-1.0, -1.0}; // global mouse position of the drag; (-1, -1) when idle
    bool dragging = false; // between a press and its release
};
