#include "SimulatedPort.h"
#include "Unit2.h"
#include "platform/Exceptions.h"

#include <QTest>

class BitText : public QObject
{
    Q_OBJECT
private slots:
    void intToBin_data();
    void intToBin();
    void binToInt_data();
    void binToInt();
    void everyByteRoundTrips();
    void binToIntRefusesWhatIsNotBits_data();
    void binToIntRefusesWhatIsNotBits();
    void readPortBinShowsTheByteRead();
    void writePortBinWritesTheLowByte_data();
    void writePortBinWritesTheLowByte();
    void refusedAccessReadsAndWritesNothing();
};

void BitText::intToBin_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("bits");
    QTest::newRow("0") << 0 << "00000000";
    QTest::newRow("8") << 8 << "00001000";
    QTest::newRow("129") << 129 << "10000001";
    QTest::newRow("255") << 255 << "11111111";
    QTest::newRow("256 keeps the low byte") << 256 << "00000000";
    QTest::newRow("300 keeps the low byte") << 300 << "00101100";
    QTest::newRow("-1") << -1 << "11111111";
    QTest::newRow("-16") << -16 << "11110000";
    QTest::newRow("INT_MIN") << std::numeric_limits<int>::min() << "00000000";
    QTest::newRow("INT_MAX") << std::numeric_limits<int>::max() << "11111111";
}

void BitText::intToBin()
{
    QFETCH(int, value);
    QFETCH(QString, bits);
    QCOMPARE(IntToBin(value), bits);
}

void BitText::binToInt_data()
{
    QTest::addColumn<QString>("bits");
    QTest::addColumn<int>("value");
    QTest::newRow("bit 7") << "10000000" << 128;
    QTest::newRow("bit 0") << "00000001" << 1;
    QTest::newRow("0xA5") << "10100101" << 165;
    QTest::newRow("only the first eight count") << "0000001111" << 3;
}

void BitText::binToInt()
{
    QFETCH(QString, bits);
    QFETCH(int, value);
    QCOMPARE(BinToInt(bits), value);
}

void BitText::everyByteRoundTrips()
{
    for (int byte = 0; byte < 256; ++byte)
        QCOMPARE(BinToInt(IntToBin(byte)), byte);
}

void BitText::binToIntRefusesWhatIsNotBits_data()
{
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QString>("message");
    QTest::newRow("a letter") << "0000a000"
                              << "'a' n'est pas une valeur entière correcte";
    QTest::newRow("too short") << "0101"
                               << "'' n'est pas une valeur entière correcte";
}

void BitText::binToIntRefusesWhatIsNotBits()
{
    QFETCH(QString, bits);
    QFETCH(QString, message);
    try {
        BinToInt(bits);
        QFAIL("no failure");
    } catch (const platform::ConvertError& e) {
        QCOMPARE(e.message(), message);
    }
}

void BitText::readPortBinShowsTheByteRead()
{
    SimulatedPort port;
    port.registers[0x379] = 0xA5;
    QCOMPARE(ReadPortBin(0x379), QStringLiteral("10100101"));
    const std::vector<SimulatedPort::Access> expected{{SimulatedPort::Access::Read, 0x379, 0xA5}};
    QCOMPARE(port.log, expected);
}

void BitText::writePortBinWritesTheLowByte_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("byte");
    QTest::newRow("300") << 300 << 0x2C;
    QTest::newRow("-1") << -1 << 0xFF;
    QTest::newRow("129") << 129 << 0x81;
}

void BitText::writePortBinWritesTheLowByte()
{
    QFETCH(int, value);
    QFETCH(int, byte);
    SimulatedPort port;
    WritePortBin(0x378, IntToBin(value));
    const std::vector<SimulatedPort::Access> expected{
        {SimulatedPort::Access::Write, 0x378, static_cast<std::uint8_t>(byte)}};
    QCOMPARE(port.log, expected);
}

void BitText::refusedAccessReadsAndWritesNothing()
{
    SimulatedPort port;
    port.refuse = true;
    QVERIFY_THROWS_EXCEPTION(platform::PrivilegeError, ReadPortBin(0x378));
    QVERIFY_THROWS_EXCEPTION(platform::PrivilegeError, WritePortBin(0x378, QStringLiteral("11111111")));
    QVERIFY(port.log.empty());
    QCOMPARE(port.registers[0x378], 0);
}

QTEST_GUILESS_MAIN(BitText)
#include "tst_bittext.moc"
