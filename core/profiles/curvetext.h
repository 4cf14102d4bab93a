#pragma once

// The plain-text form of a response curve, for sharing one in a message or a post:
//   kest-curve:17,33,50,67,83
// the five curve bytes in point order, as whole percents.

#include <QByteArray>
#include <QString>

namespace kest {

/// The text of a curve: "kest-curve:" and its five bytes, read as signed percents.
QString curveText(const QByteArray &curve);

/// The five curve bytes in a piece of text, which may hold other words around the curve.
/// Only curves a drag could make are taken (five whole numbers 0..100); anything else
/// gives an empty array and, in `why`, a sentence for the user.
QByteArray curveFromText(const QString &text, QString *why = nullptr);

} // namespace kest
