#pragma once

// The program's plain diagnostic lines ("joystick event thread done.", "deviceSettingWrite
// KESTIE_PEDAL_MODE", ...): a logging category of their own, off unless asked for with
// QT_LOGGING_RULES="kest.diagnostics.debug=true", so that a normal run prints nothing.

#include <QLoggingCategory>

namespace kest {
Q_DECLARE_LOGGING_CATEGORY(lcDiagnostics)
}
