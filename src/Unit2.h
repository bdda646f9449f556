#pragma once

#include "platform/PortBus.h"

#include <QString>
#include <cstdint>

class QCheckBox;

// Byte-wide port access, and the bit text through which the panel reads and writes
// registers: eight characters "0"/"1", bit 7 first.

// Inline, so that an access costs the port instruction and little else.
inline std::uint8_t PortIn(std::uint16_t Port)
{
    return platform::portRead(Port);
}

inline void PortOut(std::uint16_t Port, std::uint8_t Value)
{
    platform::portWrite(Port, Value);
}

// Bit text of Value's low eight bits; higher bits and the sign are ignored.
QString IntToBin(std::int32_t Value);
// Value of the first eight characters of Bits, each converted as a whole number.
int BinToInt(const QString& Bits);

QString ReadPortBin(std::uint16_t Port);
void WritePortBin(std::uint16_t Port, const QString& Bits);

// Paints a bit toggle from its checked state: "1" on yellow, or "0" on the button face.
void ShowBitState(QCheckBox* Box);
