#include "Unit2.h"

#include "platform/Colors.h"
#include "platform/StrToInt.h"

#include <QCheckBox>

QString IntToBin(std::int32_t Value)
{
    QString bits;
    for (std::int32_t mask = 128; mask > 0; mask /= 2)
        bits += (Value & mask) == mask ? u'1' : u'0';
    return bits;
}

int BinToInt(const QString& Bits)
{
    int value = 0;
    for (int position = 0, weight = 128; position < 8; ++position, weight /= 2)
        value += platform::StrToInt(Bits.mid(position, 1)) * weight;
    return value;
}

QString ReadPortBin(std::uint16_t Port)
{
    return IntToBin(PortIn(Port) & 0xFF);
}

void WritePortBin(std::uint16_t Port, const QString& Bits)
{
    PortOut(Port, static_cast<std::uint8_t>(BinToInt(Bits) & 0xFF));
}

void ShowBitState(QCheckBox* Box)
{
    if (Box->isChecked()) {
        Box->setText(QStringLiteral("1"));
        platform::setControlColor(Box, platform::clYellow);
    } else {
        Box->setText(QStringLiteral("0"));
        platform::setControlColor(Box, platform::clBtnFace());
    }
}
