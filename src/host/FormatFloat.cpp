#include "FormatFloat.h"

#include <cmath>

#include "Rounding.h"

namespace {

constexpr int ThousandsGroupSize = 3;

bool isPlaceholder(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char('.') ||
           c == QLatin1Char(',');
}

bool isQuote(QChar c)
{
    return c == QLatin1Char('\'') || c == QLatin1Char('"');
}

// The parts of a format: literal text around one run of digit placeholders.
struct NumberFormat {
    QString prefix;
    QString suffix;
    int minIntegerDigits = 0;
    int minFractionDigits = 0;
    int maxFractionDigits = 0;
    bool groupThousands = false;
};

// Appends the literal text starting at `pos` up to the next placeholder
// outside quotes; returns the position of that placeholder (or the end).
qsizetype readLiteral(const QString& format, qsizetype pos, QString& literal)
{
    while (pos < format.size() && !isPlaceholder(format[pos])) {
        const QChar c = format[pos++];
        if (!isQuote(c)) {
            literal += c;
            continue;
        }
        const qsizetype closing = format.indexOf(c, pos);
        const qsizetype end = closing < 0 ? format.size() : closing;
        literal += format.mid(pos, end - pos);
        pos = closing < 0 ? end : end + 1;
    }
    return pos;
}

NumberFormat parseFormat(const QString& format)
{
    NumberFormat parsed;
    qsizetype pos = readLiteral(format, 0, parsed.prefix);

    bool inFraction = false;
    int fractionPlaceholders = 0;
    for (; pos < format.size() && isPlaceholder(format[pos]); ++pos) {
        const QChar c = format[pos];
        if (c == QLatin1Char('.')) {
            inFraction = true;
        } else if (c == QLatin1Char(',')) {
            parsed.groupThousands = parsed.groupThousands || !inFraction;
        } else if (inFraction) {
            ++fractionPlaceholders;
            if (c == QLatin1Char('0'))
                parsed.minFractionDigits = fractionPlaceholders;
        } else if (c == QLatin1Char('0')) {
            ++parsed.minIntegerDigits;
        }
    }
    parsed.maxFractionDigits = fractionPlaceholders;

    // Whatever follows the number, placeholders included, is shown as text.
    while (pos < format.size()) {
        pos = readLiteral(format, pos, parsed.suffix);
        if (pos < format.size())
            parsed.suffix += format[pos++];
    }
    return parsed;
}

QString groupedThousands(const QString& digits, QChar separator)
{
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / ThousandsGroupSize);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % ThousandsGroupSize == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

QString naturalRepresentation(double value, QChar decimalSeparator)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

}  // namespace

QString FormatFloat(const QString& format, double value, QChar decimalSeparator,
                    QChar thousandSeparator)
{
    if (format.isEmpty() || !std::isfinite(value))
        return naturalRepresentation(value, decimalSeparator);

    const NumberFormat parsed = parseFormat(format);
    const double rounded =
        static_cast<double>(BetterRoundTo(value, -parsed.maxFractionDigits));

    // The rounded double is the one nearest its decimal value, so printing it
    // with exactly that many decimals gives back those decimal digits.
    const QString digits = QString::number(std::fabs(rounded), 'f', parsed.maxFractionDigits);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    QString integerPart = point < 0 ? digits : digits.left(point);
    QString fractionPart = point < 0 ? QString() : digits.mid(point + 1);

    while (fractionPart.size() > parsed.minFractionDigits && fractionPart.endsWith(QLatin1Char('0')))
        fractionPart.chop(1);
    if (integerPart == QLatin1String("0") && parsed.minIntegerDigits == 0)
        integerPart.clear();
    if (integerPart.size() < parsed.minIntegerDigits)
        integerPart = QString(parsed.minIntegerDigits - integerPart.size(), QLatin1Char('0')) + integerPart;
    if (parsed.groupThousands)
        integerPart = groupedThousands(integerPart, thousandSeparator);

    QString text;
    if (rounded < 0.0)
        text += QLatin1Char('-');
    text += parsed.prefix;
    text += integerPart;
    if (!fractionPart.isEmpty()) {
        text += decimalSeparator;
        text += fractionPart;
    }
    text += parsed.suffix;
    return text;
}
