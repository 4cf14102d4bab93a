#pragma once

// The response-curve editor on the PROFILES page: one pedal's curve as five points the
// user drags up and down, between the fixed ends (0, 0) and (100, 100).
//
// Points are held in percent. The x of point i is fixed at (i + 1) * 100 / 6; only the
// y changes. The plot has fixed pixel geometry, 2 pixels per percent, with x = 0 % at
// column 5 and y = 0 % at row 200, and does not follow the widget's size.

#include <QByteArray>
#include <QPointF>
#include <QWidget>

class QMouseEvent;
class QPaintEvent;

class KestAxis : public QWidget
{
    Q_OBJECT
public:
    /// An editor showing the straight diagonal, nothing grabbed.
    explicit KestAxis(QWidget *parent = nullptr);

    /// Sets the y of each point to the matching byte read as a signed 8-bit percent
    /// (0xFF is -1 %), unclamped, and repaints. Only the first five bytes are used; a
    /// shorter array sets the points it has and leaves the others as they were.
    void setCurve(const QByteArray &bytes);

    /// The curve bytes: five bytes, byte i the y of point i cut toward zero.
    QByteArray curve() const;

    /// The pixel of a point given in percent: (2x + 5, 200 - 2y).
    static QPointF toScreen(const QPointF &percent);

    /// The point in percent of a pixel: ((px - 5) / 2, (200 - py) / 2).
    static QPointF fromScreen(const QPointF &pixel);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int POINT_COUNT = 5;

    QPointF points[POINT_COUNT]; // the editable points, in percent, in order of x
    int grabbed = -1; // index of the point being dragged; -1 when none
};
