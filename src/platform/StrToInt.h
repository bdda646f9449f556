#pragma once

#include <QString>
#include <cstdint>

namespace platform {

// Whole number from text; throws ConvertError "'TEXT' n'est pas une valeur entière correcte".
std::int32_t StrToInt(const QString& text);

// Decimal text of a number: no leading zeros, "-" before a negative one.
QString IntToStr(std::int32_t value);

} // namespace platform
