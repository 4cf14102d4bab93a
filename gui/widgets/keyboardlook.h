#pragma once

// What the form's style sheets leave out: a focus mark on every control that takes the
// keyboard, and a disabled look on every control the program disables.
//
// Only rules for states the form's own sheets leave looking alike are appended (:focus,
// :disabled, and the outline buttons' :hover, whose grey text looked disabled), after a
// marker comment, so that a window with nothing focused, hovered or disabled looks exactly
// as the form draws it. Push buttons and the clutch switch take focus from Tab only: a
// click leaves the focus where it was, and with it the look of a window used with the
// mouse. Return and Enter press a focused push button, as Space does.

#include <QColor>
#include <QString>

class QWidget;

namespace kest {

/// The focus mark's colour: the amber of the curve editor's marks.
inline QColor focusMarkColour()
{
    return QColor(0xFF, 0xB3, 0x47);
}

/// Starts what addKeyboardLook appends to a widget's style sheet.
inline QString keyboardLookMarker()
{
    return QStringLiteral("\n\n/* keyboard and disabled look */\n");
}

/// Appends the focus and disabled rules to the style sheet of every push button, check
/// box, combo box and line edit under `root`, by the form style it carries, and sets
/// their focus policy, and lets Return and Enter press the push buttons. The status dot,
/// which does nothing when pressed, takes no focus.
void addKeyboardLook(QWidget *root);

} // namespace kest
