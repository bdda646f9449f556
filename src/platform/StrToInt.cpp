#include "platform/StrToInt.h"

#include "platform/Exceptions.h"

#include <optional>

namespace platform {

namespace {

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Up to eight significant hexadecimal digits, taken as a raw 32-bit pattern.
std::optional<std::uint32_t> parseHex(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (QChar c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        if (value != 0 || d != 0)
            ++significant;
        if (significant > 8)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(d);
    }
    return value;
}

// Decimal digits whose value, with its sign, fits in 32 signed bits.
std::optional<std::uint32_t> parseDecimal(QStringView digits, bool negative)
{
    if (digits.isEmpty())
        return std::nullopt;
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::uint64_t value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c.unicode() - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<std::int32_t> parse(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    const QStringView rest = text.mid(i);
    std::optional<std::uint32_t> magnitude;
    if (rest.startsWith(u'$'))
        magnitude = parseHex(rest.mid(1));
    else if (rest.startsWith(u"0x", Qt::CaseInsensitive))
        magnitude = parseHex(rest.mid(2));
    else
        magnitude = parseDecimal(rest, negative);
    if (!magnitude)
        return std::nullopt;
    // Two's complement wrap: "-$10" is -16 and "$FFFFFFFF" is -1.
    const std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
    return static_cast<std::int32_t>(bits);
}

} // namespace

// Accepted: leading spaces (only spaces), an optional sign, then either decimal
// digits within the 32-bit signed range (leading zeros allowed), or "$", "0x" or
// "0X" and one to eight significant hexadecimal digits read as a 32-bit pattern.
// Nothing may follow the digits; empty text fails.
std::int32_t StrToInt(const QString& text)
{
    if (const auto value = parse(text))
        return *value;
    throw ConvertError(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(text));
}

QString IntToStr(std::int32_t value)
{
    return QString::number(value);
}

} // namespace platform
