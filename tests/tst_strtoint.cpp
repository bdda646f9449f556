#include "platform/Exceptions.h"
#include "platform/StrToInt.h"

#include <QTest>

class StrToIntTest : public QObject
{
    Q_OBJECT
private slots:
    void accepts_data();
    void accepts();
    void refuses_data();
    void refuses();
    void refusesAMegabyteOfDigitsQuickly();
    void intToStr_data();
    void intToStr();
};

void StrToIntTest::accepts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("255") << "255" << 255;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("plus") << "+12" << 12;
    QTest::newRow("minus") << "-1" << -1;
    QTest::newRow("leading spaces") << "   42" << 42;
    QTest::newRow("spaces before the sign") << "  -5" << -5;
    QTest::newRow("largest") << "2147483647" << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("dollar hex") << "$10" << 16;
    QTest::newRow("0x hex") << "0x1f" << 31;
    QTest::newRow("0X hex") << "0XFF" << 255;
    QTest::newRow("minus dollar") << "-$10" << -16;
    QTest::newRow("minus 0x") << "-0x10" << -16;
    QTest::newRow("hex raw pattern") << "$FFFFFFFF" << -1;
    QTest::newRow("hex sign bit") << "$80000000" << std::numeric_limits<int>::min();
    QTest::newRow("hex leading zeros do not count") << "$000000000000FF" << 255;
    QTest::newRow("decimal leading zeros do not overflow") << "000000000002147483647" << 2147483647;
}

void StrToIntTest::accepts()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(platform::StrToInt(text), value);
}

void StrToIntTest::refuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("trailing blank") << "12 ";
    QTest::newRow("only blanks") << "   ";
    QTest::newRow("tab") << "\t12";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("two signs") << "--1";
    QTest::newRow("blank after sign") << "- 1";
    QTest::newRow("dollar alone") << "$";
    QTest::newRow("0x alone") << "0x";
    QTest::newRow("not a hex digit") << "$1G";
    QTest::newRow("nine hex digits") << "$100000000";
    QTest::newRow("one past largest") << "2147483648";
    QTest::newRow("one past smallest") << "-2147483649";
    QTest::newRow("decimal point") << "1.5";
    QTest::newRow("thousands") << "1,000";
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662");
    QTest::newRow("fullwidth digit") << QString::fromUtf8("\uFF11");
    QTest::newRow("nul inside") << QString::fromUtf16(u"1\u00002", 3);
}

void StrToIntTest::refuses()
{
    QFETCH(QString, text);
    try {
        platform::StrToInt(text);
        QFAIL("converted");
    } catch (const platform::ConvertError& e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(text));
    }
}

void StrToIntTest::refusesAMegabyteOfDigitsQuickly()
{
    const QString digits(1 << 20, u'9');
    QVERIFY_THROWS_EXCEPTION(platform::ConvertError, platform::StrToInt(digits));
    const QString zeros = QString(1 << 20, u'0') + u'7';
    QCOMPARE(platform::StrToInt(zeros), 7);
}

void StrToIntTest::intToStr_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0";
    QTest::newRow("129") << 129 << "129";
    QTest::newRow("-16") << -16 << "-16";
    QTest::newRow("smallest") << std::numeric_limits<int>::min() << "-2147483648";
}

void StrToIntTest::intToStr()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(platform::IntToStr(value), text);
}

QTEST_GUILESS_MAIN(StrToIntTest)
#include "tst_strtoint.moc"
