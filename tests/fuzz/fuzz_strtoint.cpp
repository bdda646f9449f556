// Every text either converts to exactly what a plain model of the accepted syntax gives,
// or fails with the conversion message holding the text as typed.

#include "platform/Exceptions.h"
#include "platform/StrToInt.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

bool isHex(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool isDecimal(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

std::string narrow(const std::u16string& digits)
{
    return std::string(digits.begin(), digits.end());
}

// Spaces, a sign, then "$" or "0x"/"0X" and hexadecimal digits (eight significant at most,
// a 32-bit pattern), or decimal digits within the 32-bit signed range; nothing after.
std::optional<std::int32_t> model(std::u16string text)
{
    const std::size_t start = text.find_first_not_of(u' ');
    text.erase(0, start == std::u16string::npos ? text.size() : start);
    bool negative = false;
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        text.erase(0, 1);
    }
    bool hex = false;
    if (!text.empty() && text[0] == u'$') {
        hex = true;
        text.erase(0, 1);
    } else if (text.size() >= 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        hex = true;
        text.erase(0, 2);
    }
    if (text.empty())
        return std::nullopt;
    for (char16_t c : text)
        if (hex ? !isHex(c) : !isDecimal(c))
            return std::nullopt;
    const std::size_t firstSignificant = text.find_first_not_of(u'0');
    const std::u16string significant =
        firstSignificant == std::u16string::npos ? u"0" : text.substr(firstSignificant);
    if (hex) {
        if (significant.size() > 8)
            return std::nullopt;
        const auto bits = static_cast<std::uint32_t>(std::strtoul(narrow(significant).c_str(), nullptr, 16));
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    if (significant.size() > 10)
        return std::nullopt;
    const long long value = std::strtoll(narrow(significant).c_str(), nullptr, 10) * (negative ? -1 : 1);
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<std::int32_t> expected = model(text.toStdU16String());
    try {
        const std::int32_t value = platform::StrToInt(text);
        if (!expected || *expected != value)
            std::abort();
    } catch (const platform::ConvertError& e) {
        if (expected || e.message() != QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(text))
            std::abort();
    }
    return 0;
}
