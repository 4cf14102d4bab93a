#pragma once

// A deadzone handle: the small blue tab under a pedal bar on the INPUTS page.
//
// A handle slides horizontally over 42 pixels, two pixels per percent, for a deadzone of
// 0 to 21 %. A left handle (side 0) starts at its form position and grows to the right;
// a right handle (side 1) starts at its form position and grows to the left. The percent
// is never stored: it is always worked out from the handle's x() in its parent.
//
// A handle also takes focus and moves with Left/Right, a percent a key (five with
// Shift). A burst of keys ends in one valueChanged(), as a release does, once the keys
// have stopped for half a second or the handle loses focus: key repeat must not wear
// the unit's flash with a write per key.

#include <QLabel>
#include <QPointF>
#include <QTimer>

class QFocusEvent;
class QKeyEvent;
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

    /// Names the handle for screen readers, e.g. "BRAKE low deadzone"; its accessible
    /// name then reads "BRAKE low deadzone: 5 %" and follows the handle.
    void setHandleName(const QString &name);

    /// The quiet time after the last key before a key burst is reported, in ms.
    static constexpr int KEY_BURST_MS = 500;

Q_SIGNALS:
    /// Emitted on every mouse release on the handle, whether or not it moved, and once
    /// at the end of a burst of keys that moved it.
    void valueChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void refreshAccessibleName();
    void endKeyBurst();

    int side = 0; // 0 = left handle, 1 = right handle
    int minX = -1; // leftmost x of the travel, in the parent's coordinates
    int maxX = -1; // rightmost x of the travel
    int scale = -1; // the percent at full travel
    QPointF lastPress {-1.0, -1.0}; // global mouse position of the drag; (-1, -1) when idle
    bool dragging = false; // between a press and its release
    QString handleName;
    QTimer keyBurst; // the quiet time after the last key of a burst
    bool keysPending = false; // keys moved the handle and nothing reported it yet
};
