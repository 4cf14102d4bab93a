#pragma once

// A live pedal bar takes each new position without painting at once.

#include <QProgressBar>

namespace kest {

/// Sets the bar to `value` and has it painted with the next frame. QProgressBar paints
/// itself on the spot when a new value moves its chunk; with three bars that is three
/// paints and three flushes to the screen per report, where one paint of everything
/// that changed will do. A bar whose value stays is not painted again.
inline void showBarValue(QProgressBar *bar, int value)
{
    if (bar->value() == value)
        return;
    const bool enabled = bar->updatesEnabled();
    bar->setUpdatesEnabled(false);
    bar->setValue(value);
    bar->setUpdatesEnabled(enabled);
    bar->update();
}

} // namespace kest
