#include "app/number_text.h"
#include "test_main.h"

#include <cmath>
#include <limits>

using numtext::Mask;

class NumberTextTest : public QObject
{
    Q_OBJECT
private slots:
    void toNumber_data();
    void toNumber();
    void toNumberWithOtherSeparators();
    void toInt16_data();
    void toInt16();
    void format_data();
    void format();
    void formatGrouped_data();
    void formatGrouped();
    void formatTrimmed_data();
    void formatTrimmed();
    void formatText_data();
    void formatText();
    void generalSingle_data();
    void generalSingle();
    void generalDouble_data();
    void generalDouble();
};

// An empty expected text means "no number".
void NumberTextTest::toNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "480" << true << 480.0;
    QTest::newRow("decimal") << "3.0" << true << 3.0;
    QTest::newRow("blanks around") << "  500 " << true << 500.0;
    QTest::newRow("tab around") << "\t12\t" << true << 12.0;
    QTest::newRow("list item with leading blanks") << "  4160" << true << 4160.0;
    QTest::newRow("digit groups") << "13,000" << true << 13000.0;
    QTest::newRow("several digit groups") << "1,234,567.5" << true << 1234567.5;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "600." << true << 600.0;
    QTest::newRow("negative") << "-12.5" << true << -12.5;
    QTest::newRow("plus sign") << "+7" << true << 7.0;
    QTest::newRow("minus zero") << "-0" << true << 0.0;
    QTest::newRow("exponent") << "1.5E+07" << true << 15000000.0;
    QTest::newRow("small exponent") << "1e-5" << true << 0.00001;
    QTest::newRow("largest range") << "1e308" << true << 1e308;
    QTest::newRow("forty digits") << "1234567890123456789012345678901234567890" << true
                                  << 1.2345678901234568e39;

    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("trailing letters") << "12a" << false << 0.0;
    QTest::newRow("point only") << "." << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("blank inside") << "1 2" << false << 0.0;
    QTest::newRow("blank after sign") << "- 2" << false << 0.0;
    QTest::newRow("misplaced groups") << "1,2,3" << false << 0.0;
    QTest::newRow("short group") << "13,00" << false << 0.0;
    QTest::newRow("long first group") << "1300,000" << false << 0.0;
    QTest::newRow("leading separator") << ",100" << false << 0.0;
    QTest::newRow("trailing separator") << "100," << false << 0.0;
    QTest::newRow("separator in fraction") << "1.000,5" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("beyond double") << "1e309" << false << 0.0;
    QTest::newRow("exponent without digits") << "2e" << false << 0.0;
    QTest::newRow("infinity spelled") << "inf" << false << 0.0;
    QTest::newRow("not a number spelled") << "nan" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0.0;
    QTest::newRow("arabic-indic digit") << QString::fromUtf8("\u0663") << false << 0.0;
    QTest::newRow("full-width digit") << QString::fromUtf8("\uff11") << false << 0.0;
    QTest::newRow("paragraph") << "The load is 20 amps.\nThank you." << false << 0.0;
}

void NumberTextTest::toNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> result = numtext::toNumber(text.toStdString());
    QCOMPARE(result.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*result, value);
}

void NumberTextTest::toNumberWithOtherSeparators()
{
    const numtext::Separators german {",", "."};
    QCOMPARE(numtext::toNumber("1.234,5", german), std::optional<double>(1234.5));
    QCOMPARE(numtext::toNumber("0,25", german), std::optional<double>(0.25));
    QVERIFY(!numtext::toNumber("1,2,3", german));

    // A locale whose group separator is a narrow no-break space.
    const numtext::Separators french {",", "\u202f"};
    QCOMPARE(numtext::toNumber("13\u202f000,5", french), std::optional<double>(13000.5));
    QCOMPARE(numtext::toNumber("13,000", french), std::optional<double>(13.0));
    QVERIFY(!numtext::toNumber("13.000", french));
    QCOMPARE(QString::fromStdString(numtext::format(1387.86, Mask::GroupedOneDecimal, french)),
        QString::fromUtf8("1\u202f387,9"));
    QCOMPARE(QString::fromStdString(numtext::GeneralNumberText(0.0186f, french)),
        QStringLiteral("0,0186"));
}

void NumberTextTest::toInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<int>("value");

    QTest::newRow("whole") << "2" << true << 2;
    QTest::newRow("half to even down") << "2.5" << true << 2;
    QTest::newRow("half to even up") << "3.5" << true << 4;
    QTest::newRow("negative half") << "-2.5" << true << -2;
    QTest::newRow("below half") << "2.4999" << true << 2;
    QTest::newRow("above half") << "2.5001" << true << 3;
    QTest::newRow("blanks and groups") << " 1,000 " << true << 1000;
    QTest::newRow("largest") << "32767" << true << 32767;
    QTest::newRow("largest after rounding") << "32767.4" << true << 32767;
    QTest::newRow("smallest") << "-32768" << true << -32768;
    QTest::newRow("smallest after rounding") << "-32768.5" << true << -32768;
    QTest::newRow("minus zero") << "-0" << true << 0;

    QTest::newRow("too large") << "32768" << false << 0;
    QTest::newRow("rounds to too large") << "32767.5" << false << 0;
    QTest::newRow("too small") << "-32769" << false << 0;
    QTest::newRow("huge") << "1e308" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("text") << "two" << false << 0;
}

void NumberTextTest::toInt16()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(int, value);
    const std::optional<std::int16_t> result = numtext::toInt16(text.toStdString());
    QCOMPARE(result.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(int(*result), value);
}

void NumberTextTest::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("expected");
    const int fixed2 = int(Mask::Fixed2);
    const int fixed3 = int(Mask::Fixed3);
    const int fixed1 = int(Mask::Fixed1);
    const int oneDecimal = int(Mask::GroupedOneDecimal);
    const int whole = int(Mask::GroupedWhole);

    QTest::newRow("percent drop") << 1.8041666666666667 << fixed2 << "1.80";
    QTest::newRow("load voltage") << 471.34 << fixed2 << "471.34";
    QTest::newRow("two decimals pad") << 8.66 << fixed2 << "8.66";
    QTest::newRow("no thousands separator") << 12345.678 << fixed2 << "12345.68";
    QTest::newRow("below one") << 0.25 << fixed2 << "0.25";
    QTest::newRow("zero") << 0.0 << fixed2 << "0.00";
    QTest::newRow("decimal half up 2.675") << 2.675 << fixed2 << "2.68";
    QTest::newRow("decimal half up 1.005") << 1.005 << fixed2 << "1.01";
    QTest::newRow("carry into a new digit") << 99.995 << fixed2 << "100.00";
    QTest::newRow("negative") << -3.14159 << fixed2 << "-3.14";
    QTest::newRow("negative half away") << -2.675 << fixed2 << "-2.68";
    QTest::newRow("negative rounding to zero") << -0.001 << fixed2 << "0.00";
    QTest::newRow("minus zero") << -0.0 << fixed2 << "0.00";
    QTest::newRow("tiny") << 1e-300 << fixed2 << "0.00";
    QTest::newRow("huge") << 1e20 << fixed2 << "100000000000000000000.00";
    QTest::newRow("three decimals") << 100.0 << fixed3 << "100.000";
    QTest::newRow("three decimals of load") << 8.32667 << fixed3 << "8.327";
    QTest::newRow("impedance") << 0.25 << fixed3 << "0.250";
    QTest::newRow("three decimals half") << 0.0005 << fixed3 << "0.001";
    QTest::newRow("one decimal") << 100.0 << fixed1 << "100.0";
    QTest::newRow("one decimal rounding") << 85.25 << fixed1 << "85.3";

    QTest::newRow("grouped FLA") << 1387.86 << oneDecimal << "1,387.9";
    QTest::newRow("grouped always shows point") << 600.0 << oneDecimal << "600.";
    QTest::newRow("grouped no leading zero") << 0.25 << oneDecimal << ".3";
    QTest::newRow("grouped zero") << 0.0 << oneDecimal << ".";
    QTest::newRow("grouped millions") << 1234567.89 << oneDecimal << "1,234,567.9";
    QTest::newRow("grouped carry") << 999.96 << oneDecimal << "1,000.";
    QTest::newRow("grouped negative") << -1387.86 << oneDecimal << "-1,387.9";

    QTest::newRow("whole ISC") << 29655.15 << whole << "29,655";
    QTest::newRow("whole end of run") << 11244.35 << whole << "11,244";
    QTest::newRow("whole rounds to zero") << 0.4 << whole << "";
    QTest::newRow("whole half up") << 0.5 << whole << "1";
    QTest::newRow("whole small") << 208.0 << whole << "208";
    QTest::newRow("whole exact thousands") << 13000.0 << whole << "13,000";
    QTest::newRow("whole negative") << -1234.5 << whole << "-1,235";
    QTest::newRow("whole negative to zero") << -0.4 << whole << "";
    QTest::newRow("not finite") << std::numeric_limits<double>::infinity() << whole << "";
}

void NumberTextTest::format()
{
    QFETCH(double, value);
    QFETCH(int, mask);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(numtext::format(value, static_cast<Mask>(mask))), expected);
}

void NumberTextTest::formatGrouped_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("us");
    QTest::addColumn<QString>("german");

    QTest::newRow("whole amperes") << 19941.03 << 0 << "19,941"
                                   << "19.941";
    QTest::newRow("rounds to zero shows 0") << 0.4 << 0 << "0"
                                            << "0";
    QTest::newRow("area pads") << 0.133 << 4 << "0.1330"
                               << "0,1330";
    QTest::newRow("decimal half up") << 2.675 << 2 << "2.68"
                                     << "2,68";
    QTest::newRow("carry into a new group") << 999.96 << 1 << "1,000.0"
                                            << "1.000,0";
    QTest::newRow("millions") << 1234567.891 << 2 << "1,234,567.89"
                              << "1.234.567,89";
    QTest::newRow("negative") << -1234.5 << 0 << "-1,235"
                              << "-1.235";
    QTest::newRow("negative to zero") << -0.001 << 2 << "0.00"
                                      << "0,00";
    QTest::newRow("not finite") << std::numeric_limits<double>::quiet_NaN() << 2 << ""
                                << "";
}

void NumberTextTest::formatGrouped()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, us);
    QFETCH(QString, german);
    QCOMPARE(QString::fromStdString(numtext::formatGrouped(value, decimals)), us);
    QCOMPARE(QString::fromStdString(numtext::formatGrouped(value, decimals, {",", "."})), german);
}

void NumberTextTest::formatTrimmed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 480.0 << 2 << false << "480";
    QTest::newRow("grouped") << 1234.5 << 2 << false << "1,234.5";
    QTest::newRow("rounded on the decimal form") << 2.675 << 2 << false << "2.68";
    QTest::newRow("rounds to whole") << 399.999 << 2 << false << "400";
    QTest::newRow("no decimals asked") << 12.5 << 0 << false << "13";
    QTest::newRow("German") << 42000.25 << 2 << true << "42.000,25";
    QTest::newRow("German whole") << 0.5 << 0 << true << "1";
}

void NumberTextTest::formatTrimmed()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(bool, german);
    QFETCH(QString, text);
    const numtext::Separators separators
        = german ? numtext::Separators {",", "."} : numtext::Separators {};
    QCOMPARE(QString::fromStdString(numtext::formatTrimmed(value, decimals, separators)), text);
}

void NumberTextTest::formatText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("list item with blanks") << "  4160"
                                           << "4,160";
    QTest::newRow("primary volts") << "13800"
                                   << "13,800";
    QTest::newRow("with groups already") << "13,000"
                                         << "13,000";
    QTest::newRow("trailing blank") << "208 "
                                    << "208";
    QTest::newRow("not a number") << "abc"
                                  << "abc";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks kept when not a number") << "  "
                                                   << "  ";
}

void NumberTextTest::formatText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(numtext::formatText(text.toStdString(), Mask::GroupedWhole)),
        expected);
}

void NumberTextTest::generalSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("diameter") << 0.5216841f << "0.5216841";
    QTest::newRow("area") << 0.0186f << "0.0186";
    QTest::newRow("area of 1000 kcmil") << 1.5482f << "1.5482";
    QTest::newRow("product") << 0.318f << "0.318";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("whole") << 3.0f << "3";
    QTest::newRow("sum of areas") << 0.0855f << "0.0855";
    QTest::newRow("seven digits rounded") << 7.0200157f << "7.020016";
    QTest::newRow("negative") << -0.0234f << "-0.0234";
    QTest::newRow("threshold small") << 0.0001f << "0.0001";
    QTest::newRow("below threshold") << 0.00005f << "5E-05";
    QTest::newRow("below threshold mantissa") << 0.000012345f << "1.2345E-05";
    QTest::newRow("largest ordinary") << 9999999.0f << "9999999";
    QTest::newRow("ten million") << 10000000.0f << "1E+07";
    QTest::newRow("above ten million") << 15000000.0f << "1.5E+07";
    QTest::newRow("large exponent") << 3.0e38f << "3E+38";
}

void NumberTextTest::generalSingle()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(numtext::GeneralNumberText(value)), expected);
}

void NumberTextTest::generalDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fifteen digits") << 1.8041666666666667 << "1.80416666666667";
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0.3";
    QTest::newRow("whole") << 460.0 << "460";
    QTest::newRow("ten million stays ordinary") << 12345678.0 << "12345678";
    QTest::newRow("from 1e15 exponent") << 1e15 << "1E+15";
    QTest::newRow("small exponent") << 0.00001 << "1E-05";
}

void NumberTextTest::generalDouble()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(numtext::GeneralNumberText(value)), expected);
}

TAVILON_ENGINE_TEST_MAIN(NumberTextTest)
#include "number_text_test.moc"
