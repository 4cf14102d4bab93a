#pragma once

// The response-curve editor on the PROFILES page: one pedal's curve as five points the
// user drags up and down, between the fixed ends (0, 0) and (100, 100).
//
// Points are held in percent. The x of point i is fixed at (i + 1) * 100 / 6; only the
// y changes. The plot has fixed pixel geometry, 2 pixels per percent, with x = 0 % at
// column 5 and y = 0 % at row 200, and does not follow the widget's size.
//
// On top of the plot, and drawn after it, the editor shows where the pedal is on the
// curve (a marker fed from the input reports, with an "in -> out %" readout), a ring and
// the value of the point chosen for the keyboard, and offers presets and copy/paste of a
// curve as text through its context menu (right button, the Menu key or Shift+F10).
// None of this reaches the unit: the page saves the curve as before. The editor says
// when its curve changed (curveChanged), so that the page can tell an edit not saved.

#include <QByteArray>
#include <QPointF>
#include <QWidget>

class QContextMenuEvent;
class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QPainter;

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

    /// Ready-made curves offered in the context menu.
    enum Preset { Linear, Progressive, Degressive, SCurve };
    static QByteArray presetCurve(Preset preset);
    /// Puts a preset into the editor (not into the unit) and repaints.
    void applyPreset(Preset preset);

    /// Puts the curve on the clipboard as text (see curvetext.h).
    void copyCurve() const;
    /// Takes a curve from the clipboard's text. Text that is no curve changes nothing:
    /// the reason goes to `why`, and the result is false.
    bool pasteCurve(QString *why = nullptr);
    /// "Paste curve" of the context menu: pasteCurve, and for text that is no curve a
    /// "Notify" box that says why.
    bool pasteCurveOrSayWhy();

    /// The pedal's live position, raw 0..65535, shown as a marker on the curve; a
    /// negative value hides the marker (as before the first input report).
    void setInputPosition(int raw);
    int inputPosition() const { return input; }
    /// The curve's output at x percent, straight between the points and the ends at
    /// (0, 0) and (100, 100), as the curve is drawn. x is held within 0..100.
    double valueAt(double x) const;

    /// Names the curve for screen readers, e.g. "BRAKE curve". The editor's accessible
    /// name then follows the chosen point: "BRAKE curve point 3: 50 %".
    void setCurveName(const QString &name);
    /// The chosen point's description for screen readers, counted from 1.
    QString pointText(int index) const;
    /// The point the keyboard moves; -1 before the editor first had focus.
    int chosenPoint() const { return chosen; }

Q_SIGNALS:
    /// A point moved: by a drag, a key, a preset, a paste or setCurve.
    void curveChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    static constexpr int POINT_COUNT = 5;

    void choose(int index);
    /// Sets the y of a point; says whether it changed.
    bool setPointY(int index, double y);
    /// The context menu at a global position; runs until the menu closes.
    void openMenu(const QPoint &globalPos);
    /// Where a menu opened from the keyboard appears, in the editor's coordinates.
    QPoint menuAnchor() const;
    void refreshAccessibleName();
    void paintChoice(QPainter &painter, int index) const;
    void paintMarker(QPainter &painter) const;

    QPointF points[POINT_COUNT]; // the editable points, in percent, in order of x
    int grabbed = -1; // index of the point being dragged; -1 when none
    int chosen = -1; // the point the keyboard moves; -1 until one is chosen
    int input = -1; // the pedal's raw position for the marker; -1 when none arrived
    QString curveName;
};
