// Each table file tied to values SOURCES.md names or settles, read through the typed
// tables the tools use; the files the tools do not read (the motor and busway tables)
// through the reader alone.

#include "nec/csv_reader.h"
#include "nec/data_files.h"
#include "nec/tables.h"
#include "test_main.h"

#include <algorithm>

using nec::ConductorSize;
using nec::Insulation;
using nec::Material;
using nec::RacewayMaterial;
using nec::RacewayType;
using nec::TemperatureRating;

Q_DECLARE_METATYPE(ConductorSize)
Q_DECLARE_METATYPE(Material)
Q_DECLARE_METATYPE(TemperatureRating)
Q_DECLARE_METATYPE(Insulation)
Q_DECLARE_METATYPE(RacewayType)
Q_DECLARE_METATYPE(RacewayMaterial)

namespace {

constexpr Material Cu = Material::Copper;
constexpr Material Al = Material::Aluminum;
constexpr TemperatureRating C60 = TemperatureRating::C60;
constexpr TemperatureRating C75 = TemperatureRating::C75;
constexpr TemperatureRating C90 = TemperatureRating::C90;

QString text(std::string_view value)
{
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

// The cell of `column` in the row whose cells match every "column=value" key.
const nec::CsvCell* findCell(
    const nec::CsvTable& table, const QStringList& keys, const std::string& column)
{
    const std::optional<std::size_t> wanted = table.Column(column);
    if (!wanted)
        return nullptr;
    for (const std::vector<nec::CsvCell>& row : table.Rows) {
        const bool matches = std::all_of(keys.begin(), keys.end(), [&](const QString& key) {
            const std::optional<std::size_t> keyColumn
                = table.Column(key.section('=', 0, 0).toStdString());
            return keyColumn && row[*keyColumn].Text == key.section('=', 1).toStdString();
        });
        if (matches)
            return &row[*wanted];
    }
    return nullptr;
}

} // namespace

class TablesTest : public QObject
{
    Q_OBJECT
private slots:
    void everyFileIsBuiltInAndReads();
    void fileCells_data();
    void fileCells();
    void ampacity_data();
    void ampacity();
    void ambientRow_data();
    void ambientRow();
    void adjustment_data();
    void adjustment();
    void conductorArea_data();
    void conductorArea();
    void fillPercents();
    void racewayRows_data();
    void racewayRows();
    void tradeSizesPerType_data();
    void tradeSizesPerType();
    void strandedConductor_data();
    void strandedConductor();
    void acImpedance_data();
    void acImpedance();
    void circuitSizes();
    void egcRow_data();
    void egcRow();
    void standardRatings_data();
    void standardRatings();
    void smallConductorLimit_data();
    void smallConductorLimit();
    void pointToPointC_data();
    void pointToPointC();
};

void TablesTest::everyFileIsBuiltInAndReads()
{
    const QStringList expected {"adjustment_factors.csv", "ambient_correction.csv",
        "conductor_table_5.csv", "egc_250_122.csv", "fill_table_1.csv", "motor_flc.csv",
        "motor_flc_430_247.csv", "motor_flc_430_248.csv", "motor_flc_430_249.csv",
        "motor_flc_430_250.csv", "p2p_busway_c_values.csv", "p2p_c_values.csv",
        "raceway_table_4.csv", "small_conductor_limits.csv", "standard_ocpd_ratings.csv",
        "table_310_16.csv", "table_8_dc.csv", "table_9_ac.csv"};
    QStringList names;
    for (const nec::DataFile& file : nec::DataFiles()) {
        names << text(file.Name);
        const nec::CsvReading reading = nec::ReadCsv(file.Text);
        QVERIFY2(!reading.Error, qPrintable(text(file.Name)));
        QVERIFY2(!reading.Table.Rows.empty(), qPrintable(text(file.Name)));
        QVERIFY2(file.Text.find('\r') == std::string_view::npos, qPrintable(text(file.Name)));
    }
    QCOMPARE(names, expected);
}

void TablesTest::fileCells_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("unconfirmed");

    // SOURCES.md, section 11: the cable columns have one source and carry the mark.
    QTest::newRow("C, cable columns marked") << "p2p_c_values.csv" << QStringList {"size=250 kcmil"}
                                             << "copper_three_conductor_cable_steel_conduit_600V"
                                             << "18311" << true;
    QTest::newRow("C, single conductors confirmed")
        << "p2p_c_values.csv" << QStringList {"size=500 kcmil"}
        << "copper_three_single_conductors_steel_conduit_600V"
        << "22185" << false;
    // Section 11b: plug-in aluminum at 800 A kept as transcribed.
    QTest::newRow("busway plug-in aluminum 800 A")
        << "p2p_busway_c_values.csv" << QStringList {"ampere_rating=800"} << "plug_in_aluminum"
        << "57500" << true;
    QTest::newRow("busway dash at 4000 A")
        << "p2p_busway_c_values.csv" << QStringList {"ampere_rating=4000"} << "plug_in_copper"
        << "" << false;
    // Table 430.250: 10 hp and 100 hp at 460 V; 430.248: 1 hp at 230 V; 430.247: 10 hp at
    // 240 V DC; 430.249: 10 hp at 460 V.
    QTest::newRow("430.250 10 hp 460 V")
        << "motor_flc_430_250.csv" << QStringList {"hp=10"} << "induction_460V"
        << "14" << false;
    QTest::newRow("430.250 100 hp 460 V")
        << "motor_flc_430_250.csv" << QStringList {"hp=100"} << "induction_460V"
        << "124" << false;
    QTest::newRow("430.248 1 hp 230 V") << "motor_flc_430_248.csv" << QStringList {"hp=1"} << "230V"
                                        << "8.0" << false;
    QTest::newRow("430.247 10 hp 240 V")
        << "motor_flc_430_247.csv" << QStringList {"hp=10"} << "240V"
        << "38" << false;
    QTest::newRow("430.249 10 hp 460 V")
        << "motor_flc_430_249.csv" << QStringList {"hp=10"} << "460V"
        << "12" << false;
    QTest::newRow("long file, induction")
        << "motor_flc.csv"
        << QStringList {"nec_table=430.250",
               "motor_type=three-phase AC induction (squirrel cage / wound rotor)", "hp=10",
               "voltage_V=460"}
        << "full_load_current_A"
        << "14" << false;
    QTest::newRow("long file, quoted type")
        << "motor_flc.csv"
        << QStringList {"nec_table=430.250",
               "motor_type=three-phase AC synchronous, unity PF (x1.1 for 90% PF, x1.25 for 80% "
               "PF)",
               "hp=25", "voltage_V=230"}
        << "full_load_current_A"
        << "53" << false;
    // 240.4(D): the 2023 numbering, 14 AWG copper-clad aluminum new as (D)(3).
    QTest::newRow("240.4(D)(3) copper-clad aluminum")
        << "small_conductor_limits.csv" << QStringList {"nec_2023_item=240.4(D)(3)"} << "max_ocpd_A"
        << "10" << false;
}

void TablesTest::fileCells()
{
    QFETCH(QString, file);
    QFETCH(QStringList, keys);
    QFETCH(QString, column);
    QFETCH(QString, value);
    QFETCH(bool, unconfirmed);
    const nec::CsvReading reading = nec::ReadCsv(nec::DataFileText(file.toStdString()));
    QVERIFY(!reading.Error);
    const nec::CsvCell* cell = findCell(reading.Table, keys, column.toStdString());
    QVERIFY(cell);
    QCOMPARE(QString::fromStdString(cell->Text), value);
    QCOMPARE(cell->Unconfirmed, unconfirmed);
}

void TablesTest::ampacity_data()
{
    QTest::addColumn<ConductorSize>("size");
    QTest::addColumn<Material>("material");
    QTest::addColumn<TemperatureRating>("column");
    QTest::addColumn<int>("amperes"); // 0 for the NEC's dash

    // SOURCES.md section 1: the example, and cells where pre-2011 tables differ.
    QTest::newRow("250 kcmil Cu 75") << ConductorSize::Kcmil250 << Cu << C75 << 255;
    QTest::newRow("3 AWG Cu 90, not 110") << ConductorSize::Awg3 << Cu << C90 << 115;
    QTest::newRow("1 AWG Cu 90, not 150") << ConductorSize::Awg1 << Cu << C90 << 145;
    QTest::newRow("8 AWG Al 60, not 30") << ConductorSize::Awg8 << Al << C60 << 35;
    QTest::newRow("6 AWG Al 90, not 60") << ConductorSize::Awg6 << Al << C90 << 55;
    QTest::newRow("300 kcmil Al 75, not 255") << ConductorSize::Kcmil300 << Al << C75 << 230;
    QTest::newRow("600 kcmil Cu 60, not 355") << ConductorSize::Kcmil600 << Cu << C60 << 350;
    QTest::newRow("1500 kcmil Cu 60, not 520") << ConductorSize::Kcmil1500 << Cu << C60 << 525;
    QTest::newRow("2000 kcmil Cu 60, not 560") << ConductorSize::Kcmil2000 << Cu << C60 << 555;
    QTest::newRow("14 AWG Cu 60") << ConductorSize::Awg14 << Cu << C60 << 15;
    QTest::newRow("18 AWG Cu 90") << ConductorSize::Awg18 << Cu << C90 << 14;
    QTest::newRow("18 AWG Cu 75, a dash") << ConductorSize::Awg18 << Cu << C75 << 0;
    QTest::newRow("14 AWG Al 75, none in 2023") << ConductorSize::Awg14 << Al << C75 << 0;
    QTest::newRow("12 AWG Al 90") << ConductorSize::Awg12 << Al << C90 << 25;
}

void TablesTest::ampacity()
{
    QFETCH(ConductorSize, size);
    QFETCH(Material, material);
    QFETCH(TemperatureRating, column);
    QFETCH(int, amperes);
    QCOMPARE(nec::Ampacity(size, material, column).value_or(0), amperes);
}

void TablesTest::ambientRow_data()
{
    QTest::addColumn<double>("celsius");
    QTest::addColumn<TemperatureRating>("column");
    QTest::addColumn<QString>("row"); // empty above the table
    QTest::addColumn<double>("factor"); // 0 for no factor

    QTest::newRow("40 °C, 90 °C column") << 40.0 << C90 << "36-40" << 0.91;
    QTest::newRow("30.5 °C reads the next row up") << 30.5 << C90 << "31-35" << 0.96;
    QTest::newRow("30 °C") << 30.0 << C75 << "26-30" << 1.00;
    QTest::newRow("10 °C, 60 °C column") << 10.0 << C60 << "10 or less" << 1.29;
    QTest::newRow("-40 °C") << -40.0 << C75 << "10 or less" << 1.20;
    QTest::newRow("41-45, 75 °C column") << 45.0 << C75 << "41-45" << 0.82;
    QTest::newRow("60 °C column ends at 55") << 56.0 << C60 << "56-60" << 0.0;
    QTest::newRow("70 °C, 75 °C column") << 70.0 << C75 << "66-70" << 0.33;
    QTest::newRow("75 °C column ends at 70") << 70.5 << C75 << "71-75" << 0.0;
    QTest::newRow("85 °C, 90 °C column") << 85.0 << C90 << "81-85" << 0.29;
    QTest::newRow("above the table") << 85.01 << C90 << "" << 0.0;
}

void TablesTest::ambientRow()
{
    QFETCH(double, celsius);
    QFETCH(TemperatureRating, column);
    QFETCH(QString, row);
    QFETCH(double, factor);
    const nec::AmbientRow* found = nec::AmbientRowFor(celsius);
    QCOMPARE(found ? QString::fromStdString(found->CelsiusText) : QString(), row);
    if (found)
        QCOMPARE(found->factor(column).value_or(0), factor);
}

void TablesTest::adjustment_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("percent"); // 0: no row, no adjustment
    QTest::addColumn<double>("factor");

    QTest::newRow("3, no adjustment") << 3 << 0 << 0.0;
    QTest::newRow("4") << 4 << 80 << 0.80;
    QTest::newRow("6") << 6 << 80 << 0.80;
    QTest::newRow("7") << 7 << 70 << 0.70;
    QTest::newRow("9") << 9 << 70 << 0.70;
    QTest::newRow("10") << 10 << 50 << 0.50;
    QTest::newRow("20") << 20 << 50 << 0.50;
    QTest::newRow("21") << 21 << 45 << 0.45;
    QTest::newRow("31") << 31 << 40 << 0.40;
    QTest::newRow("40") << 40 << 40 << 0.40;
    QTest::newRow("41 and above") << 41 << 35 << 0.35;
    QTest::newRow("60") << 60 << 35 << 0.35;
}

void TablesTest::adjustment()
{
    QFETCH(int, count);
    QFETCH(int, percent);
    QFETCH(double, factor);
    const nec::AdjustmentRow* row = nec::AdjustmentRowFor(count);
    QCOMPARE(row ? row->Percent : 0, percent);
    QCOMPARE(row ? row->Factor : 0.0, factor);
}

void TablesTest::conductorArea_data()
{
    QTest::addColumn<Insulation>("insulation");
    QTest::addColumn<ConductorSize>("size");
    QTest::addColumn<int>("tenThousandths"); // 0 when not listed
    QTest::addColumn<QString>("rows");

    const QString thhn = "THHN, THWN, THWN-2";
    const QString tw = "TW, THW, THHW, THW-2";
    const QString xhhw = "XHHW, XHHW-2, XHH (ZW also for 14-2 AWG)";
    const QString rhw = "RHH*, RHW*, RHW-2* (without outer covering)";
    // SOURCES.md section 7: 250 kcmil THHN is 0.3970 (0.3904 is XHHW); the 2023 spot
    // checks; the cells one source has wrong; THW sharing the TW row up to 8 AWG.
    QTest::newRow("THHN 250 kcmil") << Insulation::Thhn << ConductorSize::Kcmil250 << 3970 << thhn;
    QTest::newRow("XHHW-2 250 kcmil")
        << Insulation::Xhhw2 << ConductorSize::Kcmil250 << 3904 << xhhw;
    QTest::newRow("THHN 1 AWG") << Insulation::Thhn << ConductorSize::Awg1 << 1562 << thhn;
    QTest::newRow("THHN 500 kcmil") << Insulation::Thhn << ConductorSize::Kcmil500 << 7073 << thhn;
    QTest::newRow("THHN 800 kcmil") << Insulation::Thhn << ConductorSize::Kcmil800 << 11085 << thhn;
    QTest::newRow("THHN 300 kcmil, not 0.4596")
        << Insulation::Thhn << ConductorSize::Kcmil300 << 4608 << thhn;
    QTest::newRow("THHN 750 kcmil, not 1.0532")
        << Insulation::Thhn << ConductorSize::Kcmil750 << 10496 << thhn;
    QTest::newRow("RHW-2 12 AWG") << Insulation::Rhw2 << ConductorSize::Awg12 << 260 << rhw;
    QTest::newRow("TW 14 AWG") << Insulation::Tw << ConductorSize::Awg14 << 139 << tw;
    QTest::newRow("THW 14 AWG, not 0.0209") << Insulation::Thw << ConductorSize::Awg14 << 139 << tw;
    QTest::newRow("THW 2 AWG, the NEC's 0.1333")
        << Insulation::Thw << ConductorSize::Awg2 << 1333 << tw;
    QTest::newRow("XHHW-2 1500 kcmil, not 2.0157")
        << Insulation::Xhhw2 << ConductorSize::Kcmil1500 << 20156 << xhhw;
    QTest::newRow("THHN stops at 1000 kcmil")
        << Insulation::Thhn << ConductorSize::Kcmil1250 << 0 << thhn;
    QTest::newRow("bare 1/0, Table 8 stranded")
        << Insulation::Bare << ConductorSize::Awg1_0 << 1090 << "stranded";
    QTest::newRow("bare 14 AWG, stranded not solid")
        << Insulation::Bare << ConductorSize::Awg14 << 40 << "stranded";
}

void TablesTest::conductorArea()
{
    QFETCH(Insulation, insulation);
    QFETCH(ConductorSize, size);
    QFETCH(int, tenThousandths);
    QFETCH(QString, rows);
    const std::optional<nec::ConductorArea> area = nec::ConductorAreaOf(size, insulation);
    QCOMPARE(area.has_value(), tenThousandths != 0);
    if (area) {
        QCOMPARE(area->Value.TenThousandths, tenThousandths);
        QCOMPARE(text(area->TableRows), rows);
    }
}

void TablesTest::fillPercents()
{
    QCOMPARE(nec::FillPercent(nec::FillLimit::OneConductor), 53);
    QCOMPARE(nec::FillPercent(nec::FillLimit::TwoConductors), 31);
    QCOMPARE(nec::FillPercent(nec::FillLimit::OverTwo), 40);
    QCOMPARE(nec::FillPercent(nec::FillLimit::Nipple), 60);
}

void TablesTest::racewayRows_data()
{
    QTest::addColumn<RacewayType>("type");
    QTest::addColumn<QString>("tradeSize");
    QTest::addColumn<int>("total"); // ten-thousandths of a square inch
    QTest::addColumn<int>("percent40");
    QTest::addColumn<int>("percent53");
    QTest::addColumn<int>("percent31");
    QTest::addColumn<int>("percent60");

    // SOURCES.md section 6: the 2023 spot checks and the rows checked by eye.
    QTest::newRow("EMT 1-1/4") << RacewayType::Emt << "1-1/4" << 14960 << 5980 << 7930 << 4640
                               << 8970;
    QTest::newRow("EMT 2") << RacewayType::Emt << "2" << 33560 << 13420 << 17780 << 10400 << 20130;
    QTest::newRow("IMC 3/4") << RacewayType::Imc << "3/4" << 5860 << 2350 << 3110 << 1820 << 3520;
    QTest::newRow("FMC 2") << RacewayType::Fmc << "2" << 32690 << 13070 << 17320 << 10130 << 19610;
    QTest::newRow("PVC Schedule 80 3-1/2")
        << RacewayType::PvcSchedule80 << "3-1/2" << 86880 << 34750 << 46050 << 26930 << 52130;
    QTest::newRow("PVC Schedule 80 6")
        << RacewayType::PvcSchedule80 << "6" << 255980 << 102390 << 135670 << 79350 << 153590;
    QTest::newRow("LFNC-A 3/4") << RacewayType::LfncA << "3/4" << 5350 << 2140 << 2830 << 1660
                                << 3210;
    QTest::newRow("RMC 3") << RacewayType::Rmc << "3" << 74990 << 30000 << 39740 << 23250 << 44990;
    QTest::newRow("PVC Type A 4") << RacewayType::PvcTypeA << "4" << 137230 << 54890 << 72730
                                  << 42540 << 82340;
    QTest::newRow("ENT 1/2, the 2014 sizes")
        << RacewayType::Ent << "1/2" << 2850 << 1140 << 1510 << 880 << 1710;
}

void TablesTest::racewayRows()
{
    QFETCH(RacewayType, type);
    QFETCH(QString, tradeSize);
    QFETCH(int, total);
    QFETCH(int, percent40);
    QFETCH(int, percent53);
    QFETCH(int, percent31);
    QFETCH(int, percent60);
    const std::span<const nec::RacewayRow> rows = nec::RacewayRows(type);
    const auto row = std::find_if(rows.begin(), rows.end(),
        [&](const nec::RacewayRow& r) { return r.TradeSize == tradeSize.toStdString(); });
    QVERIFY(row != rows.end());
    QCOMPARE(row->Total.TenThousandths, total);
    QCOMPARE(row->allowed(nec::FillLimit::OverTwo).TenThousandths, percent40);
    QCOMPARE(row->allowed(nec::FillLimit::OneConductor).TenThousandths, percent53);
    QCOMPARE(row->allowed(nec::FillLimit::TwoConductors).TenThousandths, percent31);
    QCOMPARE(row->allowed(nec::FillLimit::Nipple).TenThousandths, percent60);
}

void TablesTest::tradeSizesPerType_data()
{
    QTest::addColumn<RacewayType>("type");
    QTest::addColumn<QString>("smallest");
    QTest::addColumn<QString>("largest");
    QTest::addColumn<int>("count");

    // SOURCES.md section 6: the trade sizes of each type, 114 rows in all.
    QTest::newRow("EMT") << RacewayType::Emt << "1/2"
                         << "4" << 10;
    QTest::newRow("ENT") << RacewayType::Ent << "1/2"
                         << "2" << 6;
    QTest::newRow("FMC") << RacewayType::Fmc << "3/8"
                         << "4" << 11;
    QTest::newRow("IMC") << RacewayType::Imc << "1/2"
                         << "4" << 10;
    QTest::newRow("LFMC") << RacewayType::Lfmc << "3/8"
                          << "4" << 11;
    QTest::newRow("LFNC-A") << RacewayType::LfncA << "3/8"
                            << "2" << 7;
    QTest::newRow("LFNC-B") << RacewayType::LfncB << "3/8"
                            << "2" << 7;
    QTest::newRow("RMC") << RacewayType::Rmc << "1/2"
                         << "6" << 12;
    QTest::newRow("PVC Schedule 80") << RacewayType::PvcSchedule80 << "1/2"
                                     << "6" << 12;
    QTest::newRow("PVC Schedule 40") << RacewayType::PvcSchedule40 << "1/2"
                                     << "6" << 12;
    QTest::newRow("PVC Type A") << RacewayType::PvcTypeA << "1/2"
                                << "4" << 10;
    QTest::newRow("PVC Type EB") << RacewayType::PvcTypeEb << "2"
                                 << "6" << 6;
}

void TablesTest::tradeSizesPerType()
{
    QFETCH(RacewayType, type);
    QFETCH(QString, smallest);
    QFETCH(QString, largest);
    QFETCH(int, count);
    const std::span<const nec::RacewayRow> rows = nec::RacewayRows(type);
    QCOMPARE(int(rows.size()), count);
    QCOMPARE(QString::fromStdString(rows.front().TradeSize), smallest);
    QCOMPARE(QString::fromStdString(rows.back().TradeSize), largest);
}

void TablesTest::strandedConductor_data()
{
    QTest::addColumn<ConductorSize>("size");
    QTest::addColumn<int>("circularMils");
    QTest::addColumn<int>("overallArea"); // ten-thousandths of a square inch
    QTest::addColumn<double>("copperOhms");
    QTest::addColumn<double>("aluminumOhms");

    // The stranded rows, not the solid ones some sources store for 14 to 8 AWG.
    QTest::newRow("14 AWG") << ConductorSize::Awg14 << 4110 << 40 << 3.14 << 5.17;
    QTest::newRow("8 AWG") << ConductorSize::Awg8 << 16510 << 170 << 0.778 << 1.28;
    QTest::newRow("2 AWG") << ConductorSize::Awg2 << 66360 << 670 << 0.194 << 0.319;
    QTest::newRow("1/0 AWG") << ConductorSize::Awg1_0 << 105600 << 1090 << 0.122 << 0.201;
    QTest::newRow("250 kcmil") << ConductorSize::Kcmil250 << 250000 << 2600 << 0.0515 << 0.0847;
    QTest::newRow("2000 kcmil") << ConductorSize::Kcmil2000 << 2000000 << 20920 << 0.00643
                                << 0.0106;
}

void TablesTest::strandedConductor()
{
    QFETCH(ConductorSize, size);
    QFETCH(int, circularMils);
    QFETCH(int, overallArea);
    QFETCH(double, copperOhms);
    QFETCH(double, aluminumOhms);
    const nec::StrandedConductor& conductor = nec::StrandedConductorOf(size);
    QCOMPARE(conductor.CircularMils, circularMils);
    QCOMPARE(conductor.OverallArea.TenThousandths, overallArea);
    QCOMPARE(conductor.dcOhms(Cu), copperOhms);
    QCOMPARE(conductor.dcOhms(Al), aluminumOhms);
}

void TablesTest::acImpedance_data()
{
    QTest::addColumn<ConductorSize>("size");
    QTest::addColumn<Material>("material");
    QTest::addColumn<RacewayMaterial>("raceway");
    QTest::addColumn<double>("reactance"); // 0 when the table has no value
    QTest::addColumn<double>("resistance");

    // SOURCES.md section 9: the cells one source shifts or rounds.
    QTest::newRow("10 AWG Cu PVC")
        << ConductorSize::Awg10 << Cu << RacewayMaterial::Pvc << 0.050 << 1.2;
    QTest::newRow("10 AWG Cu steel")
        << ConductorSize::Awg10 << Cu << RacewayMaterial::Steel << 0.063 << 1.2;
    QTest::newRow("8 AWG Cu steel")
        << ConductorSize::Awg8 << Cu << RacewayMaterial::Steel << 0.065 << 0.78;
    QTest::newRow("1/0 Cu aluminum conduit, not 0.12")
        << ConductorSize::Awg1_0 << Cu << RacewayMaterial::Aluminum << 0.044 << 0.13;
    QTest::newRow("250 kcmil Cu steel")
        << ConductorSize::Kcmil250 << Cu << RacewayMaterial::Steel << 0.052 << 0.054;
    QTest::newRow("500 kcmil Al PVC")
        << ConductorSize::Kcmil500 << Al << RacewayMaterial::Pvc << 0.039 << 0.043;
    QTest::newRow("14 AWG Al, no value")
        << ConductorSize::Awg14 << Al << RacewayMaterial::Pvc << 0.0 << 0.0;
    QTest::newRow("700 kcmil, no row")
        << ConductorSize::Kcmil700 << Cu << RacewayMaterial::Steel << 0.0 << 0.0;
}

void TablesTest::acImpedance()
{
    QFETCH(ConductorSize, size);
    QFETCH(Material, material);
    QFETCH(RacewayMaterial, raceway);
    QFETCH(double, reactance);
    QFETCH(double, resistance);
    const std::optional<nec::AcImpedance> impedance = nec::AcImpedanceOf(size, material, raceway);
    QCOMPARE(impedance.has_value(), reactance != 0.0);
    if (impedance) {
        QCOMPARE(impedance->Reactance, reactance);
        QCOMPARE(impedance->Resistance, resistance);
    }
}

void TablesTest::circuitSizes()
{
    // Table 9's sizes: 14 AWG copper or 12 AWG aluminum to 1000 kcmil, no 700 to 900 kcmil.
    const std::span<const ConductorSize> copper = nec::CircuitSizes(Cu);
    const std::span<const ConductorSize> aluminum = nec::CircuitSizes(Al);
    QCOMPARE(int(copper.size()), 21);
    QCOMPARE(int(aluminum.size()), 20);
    QCOMPARE(copper.front(), ConductorSize::Awg14);
    QCOMPARE(aluminum.front(), ConductorSize::Awg12);
    QCOMPARE(copper.back(), ConductorSize::Kcmil1000);
    QCOMPARE(aluminum.back(), ConductorSize::Kcmil1000);
    for (ConductorSize missing :
        {ConductorSize::Kcmil700, ConductorSize::Kcmil800, ConductorSize::Kcmil900}) {
        QVERIFY(std::find(copper.begin(), copper.end(), missing) == copper.end());
        QVERIFY(std::find(aluminum.begin(), aluminum.end(), missing) == aluminum.end());
    }
}

void TablesTest::egcRow_data()
{
    QTest::addColumn<double>("device");
    QTest::addColumn<int>("row"); // 0 above the table
    QTest::addColumn<ConductorSize>("copper");
    QTest::addColumn<ConductorSize>("aluminum");

    QTest::newRow("15 A") << 15.0 << 15 << ConductorSize::Awg14 << ConductorSize::Awg12;
    QTest::newRow("16 A reads 20 A") << 16.0 << 20 << ConductorSize::Awg12 << ConductorSize::Awg10;
    QTest::newRow("60 A") << 60.0 << 60 << ConductorSize::Awg10 << ConductorSize::Awg8;
    QTest::newRow("400 A") << 400.0 << 400 << ConductorSize::Awg3 << ConductorSize::Awg1;
    QTest::newRow("500 A") << 500.0 << 500 << ConductorSize::Awg2 << ConductorSize::Awg1_0;
    // SOURCES.md section 4: 1250 kcmil aluminum since 2020, not 1200.
    QTest::newRow("5000 A") << 5000.0 << 5000 << ConductorSize::Kcmil700
                            << ConductorSize::Kcmil1250;
    QTest::newRow("6000 A") << 6000.0 << 6000 << ConductorSize::Kcmil800
                            << ConductorSize::Kcmil1250;
    QTest::newRow("above 6000 A") << 6001.0 << 0 << ConductorSize::Awg14 << ConductorSize::Awg12;
}

void TablesTest::egcRow()
{
    QFETCH(double, device);
    QFETCH(int, row);
    QFETCH(ConductorSize, copper);
    QFETCH(ConductorSize, aluminum);
    const nec::EgcRow* found = nec::EgcRowFor(device);
    QCOMPARE(found ? found->RatingNotExceeding : 0, row);
    if (found) {
        QCOMPARE(found->size(Cu), copper);
        QCOMPARE(found->size(Al), aluminum);
    }
}

void TablesTest::standardRatings_data()
{
    QTest::addColumn<int>("amperes");
    QTest::addColumn<bool>("standard");
    QTest::addColumn<bool>("fusesOnly");

    // SOURCES.md section 5: 10 A is in the 2023 table; 1, 3, 6 and 601 A are for fuses only.
    QTest::newRow("10 A") << 10 << true << false;
    QTest::newRow("15 A") << 15 << true << false;
    QTest::newRow("601 A") << 601 << true << true;
    QTest::newRow("1 A") << 1 << true << true;
    QTest::newRow("6000 A") << 6000 << true << false;
    QTest::newRow("95 A") << 95 << false << false;
    QTest::newRow("650 A") << 650 << false << false;
}

void TablesTest::standardRatings()
{
    QFETCH(int, amperes);
    QFETCH(bool, standard);
    QFETCH(bool, fusesOnly);
    const nec::StandardRating* rating = nec::FindStandardRating(amperes);
    QCOMPARE(rating != nullptr, standard);
    if (rating)
        QCOMPARE(rating->FusesOnly, fusesOnly);
    QCOMPARE(int(nec::StandardRatings().size()), 42);
}

void TablesTest::smallConductorLimit_data()
{
    QTest::addColumn<ConductorSize>("size");
    QTest::addColumn<Material>("material");
    QTest::addColumn<QString>("item"); // empty: not limited
    QTest::addColumn<int>("amperes");

    QTest::newRow("14 AWG Cu") << ConductorSize::Awg14 << Cu << "240.4(D)(4)" << 15;
    QTest::newRow("12 AWG Al") << ConductorSize::Awg12 << Al << "240.4(D)(5)" << 15;
    QTest::newRow("12 AWG Cu") << ConductorSize::Awg12 << Cu << "240.4(D)(6)" << 20;
    QTest::newRow("10 AWG Al") << ConductorSize::Awg10 << Al << "240.4(D)(7)" << 25;
    QTest::newRow("10 AWG Cu") << ConductorSize::Awg10 << Cu << "240.4(D)(8)" << 30;
    QTest::newRow("14 AWG Al: the CCA row is not read") << ConductorSize::Awg14 << Al << "" << 0;
    QTest::newRow("8 AWG Cu") << ConductorSize::Awg8 << Cu << "" << 0;
}

void TablesTest::smallConductorLimit()
{
    QFETCH(ConductorSize, size);
    QFETCH(Material, material);
    QFETCH(QString, item);
    QFETCH(int, amperes);
    const nec::SmallConductorLimit* limit = nec::SmallConductorLimitOf(size, material);
    QCOMPARE(limit ? QString::fromStdString(limit->Item) : QString(), item);
    QCOMPARE(limit ? limit->MaxDeviceAmperes : 0, amperes);
}

void TablesTest::pointToPointC_data()
{
    QTest::addColumn<ConductorSize>("size");
    QTest::addColumn<Material>("material");
    QTest::addColumn<RacewayMaterial>("raceway");
    QTest::addColumn<int>("c");

    // SOURCES.md section 11: the spot values of the second and third sources.
    QTest::newRow("500 kcmil Cu steel")
        << ConductorSize::Kcmil500 << Cu << RacewayMaterial::Steel << 22185;
    QTest::newRow("3/0 Cu PVC") << ConductorSize::Awg3_0 << Cu << RacewayMaterial::Pvc << 13923;
    QTest::newRow("6 AWG Cu PVC") << ConductorSize::Awg6 << Cu << RacewayMaterial::Pvc << 2430;
    QTest::newRow("12 AWG Cu aluminum conduit")
        << ConductorSize::Awg12 << Cu << RacewayMaterial::Aluminum << 617;
    QTest::newRow("250 kcmil Cu steel")
        << ConductorSize::Kcmil250 << Cu << RacewayMaterial::Steel << 16483;
    QTest::newRow("1000 kcmil Al PVC")
        << ConductorSize::Kcmil1000 << Al << RacewayMaterial::Pvc << 28779;
}

void TablesTest::pointToPointC()
{
    QFETCH(ConductorSize, size);
    QFETCH(Material, material);
    QFETCH(RacewayMaterial, raceway);
    QFETCH(int, c);
    const std::optional<nec::PointToPointC> constant
        = nec::PointToPointCOf(size, material, raceway);
    QVERIFY(constant);
    QCOMPARE(constant->Value, c);
    QVERIFY(!constant->Unconfirmed);
}

TAVILON_ENGINE_TEST_MAIN(TablesTest)
#include "tables_test.moc"
