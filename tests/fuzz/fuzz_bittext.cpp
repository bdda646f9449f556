// Bit text for any 32-bit value, and back; any eight characters into BinToInt.

#include "Unit2.h"
#include "platform/Exceptions.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size >= 4) {
        std::int32_t value;
        std::memcpy(&value, data, 4);
        const QString bits = IntToBin(value);
        if (bits.size() != 8)
            std::abort();
        for (int position = 0; position < 8; ++position)
            if (bits[position] != ((value >> (7 - position) & 1) ? u'1' : u'0'))
                std::abort();
        if (BinToInt(bits) != (value & 0xFF))
            std::abort();
    }
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const int value = BinToInt(text);
        // Each of the first eight characters converted on its own, with its weight.
        int expected = 0;
        for (int position = 0; position < 8; ++position)
            expected += (text[position].unicode() - u'0') << (7 - position);
        if (value != expected)
            std::abort();
    } catch (const platform::ConvertError&) {
    }
    return 0;
}
