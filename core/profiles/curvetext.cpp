#include "curvetext.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace kest {

namespace {

constexpr int kPoints = 5;
const QLatin1String PREFIX("kest-curve:");

QByteArray refuse(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return QByteArray();
}

QString tr(const char *text)
{
    return QCoreApplication::translate("kest", text); // the context lupdate gives tr() here
}

} // namespace

QString curveText(const QByteArray &curve)
{
    QStringList numbers;
    for (int i = 0; i < kPoints && i < curve.size(); ++i)
        numbers << QString::number(static_cast<signed char>(curve.at(i)));
    return PREFIX + numbers.join(QLatin1Char(','));
}

QByteArray curveFromText(const QString &text, QString *why)
{
    static const QRegularExpression shape(
        QStringLiteral("kest-curve:\\s*([0-9]+(?:\\s*,\\s*[0-9]+)*)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return refuse(why,
                      tr("Not a curve: a curve is written kest-curve: and five numbers, "
                         "like kest-curve:17,33,50,67,83."));

    const QStringList numbers = match.captured(1).split(QLatin1Char(','));
    if (numbers.size() != kPoints)
        return refuse(why,
                      tr("Not a curve: it has %1 numbers, a curve has five.").arg(numbers.size()));

    QByteArray curve;
    for (const QString &number : numbers) {
        bool ok = false;
        const int percent = number.trimmed().toInt(&ok);
        if (!ok || percent > 100)
            return refuse(
                why, tr("Not a curve: %1 is not a percent from 0 to 100.").arg(number.trimmed()));
        curve.append(static_cast<char>(percent));
    }
    if (why)
        why->clear();
    return curve;
}

} // namespace kest
