#pragma once

// The dark look of what the form does not paint itself: message boxes, file dialogs,
// tooltips and the drop-down lists of the profile combos. The form keeps its own style
// sheets; this only changes the application palette and style that they draw over.

class QPalette;

namespace kest {

/// The palette: near-black surfaces, light text, the form's blue for selections.
QPalette darkPalette();

/// Gives the application the dark palette on the Fusion style, which follows a palette
/// on every platform (the native styles of some do not).
void applyDarkLook();

} // namespace kest
