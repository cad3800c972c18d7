#include "nec/tables.h"

#include "nec/csv_reader.h"
#include "nec/data_files.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace nec {

namespace {

using CsvRow = std::vector<CsvCell>;

// One table file, parsed, with readers for its typed cells. The files are built into
// the program, so a cell that does not read is a fault of the program: it stops with a
// message naming the file, the row and the column, which the table tests meet first.
class TableFile
{
public:
    explicit TableFile(std::string_view name)
        : m_name(name)
    {
        CsvReading reading = ReadCsv(DataFileText(name));
        if (reading.Error)
            fault("line " + std::to_string(reading.Error->Line) + ": " + reading.Error->Reason);
        m_table = std::move(reading.Table);
    }

    const std::vector<CsvRow>& rows() const { return m_table.Rows; }

    std::size_t column(std::string_view name) const
    {
        if (const std::optional<std::size_t> column = m_table.Column(name))
            return *column;
        fault("no column " + std::string(name));
    }

    // The text of a cell, without its "?" mark.
    const std::string& text(const CsvRow& row, std::string_view columnName) const
    {
        return row[column(columnName)].Text;
    }

    bool unconfirmed(const CsvRow& row, std::string_view columnName) const
    {
        return row[column(columnName)].Unconfirmed;
    }

    std::optional<double> optionalNumber(const CsvRow& row, std::string_view columnName) const
    {
        return optionalValue<double>(row, columnName, "a number");
    }

    double number(const CsvRow& row, std::string_view columnName) const
    {
        return value<double>(row, columnName, "a number");
    }

    std::optional<int> optionalWhole(const CsvRow& row, std::string_view columnName) const
    {
        return optionalValue<int>(row, columnName, "a whole number");
    }

    int whole(const CsvRow& row, std::string_view columnName) const
    {
        return value<int>(row, columnName, "a whole number");
    }

    // Square inches written with at most four decimals, read exactly.
    Area area(const CsvRow& row, std::string_view columnName) const
    {
        const std::string& cell = text(row, columnName);
        const std::size_t point = cell.find('.');
        const std::string whole = cell.substr(0, point);
        std::string fraction = point == std::string::npos ? "" : cell.substr(point + 1);
        const auto digitsOnly = [](const std::string& digits) {
            return std::all_of(
                digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
        };
        if (whole.empty() || fraction.size() > 4 || !digitsOnly(whole) || !digitsOnly(fraction))
            fault(cellName(row, columnName) + " is not an area of at most four decimals");
        fraction.append(4 - fraction.size(), '0');
        const Area area {std::stoll(whole) * 10000 + std::stoll(fraction)};
        if (area.TenThousandths == 0)
            fault(cellName(row, columnName) + " is no area"); // a fill divides by it
        return area;
    }

    ConductorSize size(const CsvRow& row, std::string_view columnName) const
    {
        if (const std::optional<ConductorSize> size = FindSize(text(row, columnName)))
            return *size;
        fault(cellName(row, columnName) + " is not a conductor size");
    }

    [[noreturn]] void fault(const std::string& what) const
    {
        std::fprintf(stderr, "Tavilon: the table file %.*s: %s\n", static_cast<int>(m_name.size()),
            m_name.data(), what.c_str());
        std::abort();
    }

private:
    // A cell read whole as a T; an empty cell is no value.
    template<typename T>
    std::optional<T> optionalValue(
        const CsvRow& row, std::string_view columnName, const char* what) const
    {
        const std::string& cell = text(row, columnName);
        if (cell.empty())
            return std::nullopt;
        T parsed {};
        const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), parsed);
        if (error != std::errc() || end != cell.data() + cell.size())
            fault(cellName(row, columnName) + " is not " + what);
        return parsed;
    }

    template<typename T>
    T value(const CsvRow& row, std::string_view columnName, const char* what) const
    {
        if (const std::optional<T> parsed = optionalValue<T>(row, columnName, what))
            return *parsed;
        fault(cellName(row, columnName) + " is empty");
    }

    std::string cellName(const CsvRow& row, std::string_view columnName) const
    {
        const std::size_t index = static_cast<std::size_t>(&row - m_table.Rows.data());
        return "row " + std::to_string(index + 1) + ", column " + std::string(columnName);
    }

    std::string_view m_name;
    CsvTable m_table;
};

template<typename Enum>
constexpr std::size_t at(Enum value)
{
    return static_cast<std::size_t>(value);
}

template<typename T>
using PerSize = std::array<T, kConductorSizes>;

constexpr std::size_t kMaterials = 2;
constexpr std::size_t kTemperatureColumns = 3;
constexpr std::size_t kRacewayMaterials = 3;
constexpr std::size_t kFillLimits = 4;

// ---- Table 310.16 ----

using AmpacityRow = std::array<std::array<std::optional<int>, kTemperatureColumns>, kMaterials>;

PerSize<AmpacityRow> loadAmpacities()
{
    constexpr std::array<std::array<std::string_view, kTemperatureColumns>, kMaterials> columns {{
        {"cu_60C_A", "cu_75C_A", "cu_90C_A"},
        {"al_cca_60C_A", "al_cca_75C_A", "al_cca_90C_A"},
    }};
    const TableFile file("table_310_16.csv");
    PerSize<AmpacityRow> ampacities {};
    for (const CsvRow& row : file.rows()) {
        AmpacityRow& sizeRow = ampacities[SizeIndex(file.size(row, "size"))];
        for (std::size_t material = 0; material < kMaterials; ++material) {
            for (std::size_t column = 0; column < kTemperatureColumns; ++column)
                sizeRow[material][column] = file.optionalWhole(row, columns[material][column]);
        }
    }
    return ampacities;
}

// ---- Tables 310.15(B)(1)(1) and 310.15(C)(1) ----

std::vector<AmbientRow> loadAmbientRows()
{
    const TableFile file("ambient_correction.csv");
    std::vector<AmbientRow> rows;
    for (const CsvRow& row : file.rows()) {
        rows.push_back({file.text(row, "ambient_C"), file.text(row, "ambient_F"),
            file.number(row, "ambient_C_max"), file.optionalNumber(row, "factor_60C"),
            file.optionalNumber(row, "factor_75C"), file.optionalNumber(row, "factor_90C")});
        if (rows.size() > 1 && rows.back().HighestCelsius <= rows[rows.size() - 2].HighestCelsius)
            file.fault("the ambient rows do not rise");
    }
    return rows;
}

std::vector<AdjustmentRow> loadAdjustmentRows()
{
    const TableFile file("adjustment_factors.csv");
    std::vector<AdjustmentRow> rows;
    for (const CsvRow& row : file.rows()) {
        rows.push_back({file.text(row, "current_carrying_conductors"), file.whole(row, "count_min"),
            file.optionalWhole(row, "count_max"), file.whole(row, "percent_of_table_value"),
            file.number(row, "factor")});
    }
    return rows;
}

// ---- Chapter 9 Tables 1, 4, 5 and 8 ----

// The limit a row of Table 1 sets, by its first cell.
std::optional<FillLimit> fillLimitOfRow(const std::string& count)
{
    if (count == "1")
        return FillLimit::OneConductor;
    if (count == "2")
        return FillLimit::TwoConductors;
    if (count == "over 2")
        return FillLimit::OverTwo;
    if (count.starts_with("nipple"))
        return FillLimit::Nipple;
    return std::nullopt;
}

std::array<int, kFillLimits> loadFillPercents()
{
    const TableFile file("fill_table_1.csv");
    std::array<std::optional<int>, kFillLimits> percents;
    for (const CsvRow& row : file.rows()) {
        const std::string& count = file.text(row, "number_of_conductors_or_cables");
        const std::optional<FillLimit> limit = fillLimitOfRow(count);
        if (!limit)
            file.fault("unknown row " + count);
        percents[at(*limit)] = file.whole(row, "max_fill_percent_of_raceway_area");
    }
    std::array<int, kFillLimits> result {};
    for (std::size_t limit = 0; limit < kFillLimits; ++limit) {
        if (!percents[limit])
            file.fault("a fill limit is missing");
        result[limit] = *percents[limit];
    }
    return result;
}

std::array<std::vector<RacewayRow>, kRacewayTypes> loadRacewayRows()
{
    const TableFile file("raceway_table_4.csv");
    std::array<std::vector<RacewayRow>, kRacewayTypes> rows;
    for (const CsvRow& row : file.rows()) {
        const std::string& name = file.text(row, "raceway_type");
        const auto type = std::find_if(kAllRacewayTypes.begin(), kAllRacewayTypes.end(),
            [&name](RacewayType t) { return RacewayTypeName(t) == name; });
        if (type == kAllRacewayTypes.end())
            file.fault("unknown raceway type " + name);
        std::vector<RacewayRow>& typeRows = rows[at(*type)];
        typeRows.push_back(
            {file.text(row, "trade_size"), file.number(row, "nominal_internal_diameter_in"),
                file.area(row, "total_area_100pct_in2"), file.area(row, "area_40pct_in2"),
                file.area(row, "area_60pct_in2"), file.area(row, "area_53pct_in2"),
                file.area(row, "area_31pct_in2")});
        if (typeRows.size() > 1 && typeRows.back().Total <= typeRows[typeRows.size() - 2].Total)
            file.fault("the trade sizes of " + name + " do not rise");
    }
    for (RacewayType type : kAllRacewayTypes) {
        if (rows[at(type)].empty())
            file.fault("no rows for " + std::string(RacewayTypeName(type)));
    }
    return rows;
}

PerSize<StrandedConductor> loadStrandedConductors()
{
    const TableFile file("table_8_dc.csv");
    PerSize<std::optional<StrandedConductor>> found;
    for (const CsvRow& row : file.rows()) {
        if (file.text(row, "stranding") != "stranded")
            continue;
        found[SizeIndex(file.size(row, "size"))] = StrandedConductor {
            file.whole(row, "area_circular_mils"),
            file.area(row, "overall_area_in2"),
            file.number(row, "dc_ohm_per_kft_cu_uncoated_75C"),
            file.number(row, "dc_ohm_per_kft_al_75C"),
        };
    }
    PerSize<StrandedConductor> conductors {};
    for (ConductorSize size : AllConductorSizes()) {
        if (!found[SizeIndex(size)])
            file.fault("no stranded row for " + std::string(SizeName(size)));
        conductors[SizeIndex(size)] = *found[SizeIndex(size)];
    }
    return conductors;
}

// The Table 5 rows each insulation reads, by their "conductor_types" cell; the bare
// conductor reads Table 8.
constexpr std::array<std::string_view, kInsulations> kTable5Rows {
    "THHN, THWN, THWN-2",
    "XHHW, XHHW-2, XHH (ZW also for 14-2 AWG)",
    "TW, THW, THHW, THW-2",
    "TW, THW, THHW, THW-2",
    "RHH*, RHW*, RHW-2* (without outer covering)",
    "stranded",
};

using AreaRow = std::array<std::optional<Area>, kInsulations>;

PerSize<AreaRow> loadConductorAreas(const PerSize<StrandedConductor>& stranded)
{
    const TableFile file("conductor_table_5.csv");
    PerSize<AreaRow> areas {};
    for (const CsvRow& row : file.rows()) {
        const std::string& types = file.text(row, "conductor_types");
        const ConductorSize size = file.size(row, "size");
        for (Insulation insulation : kAllInsulations) {
            if (kTable5Rows[at(insulation)] == types)
                areas[SizeIndex(size)][at(insulation)] = file.area(row, "approx_area_in2");
        }
    }
    for (ConductorSize size : AllConductorSizes())
        areas[SizeIndex(size)][at(Insulation::Bare)] = stranded[SizeIndex(size)].OverallArea;
    return areas;
}

// ---- Chapter 9 Table 9 ----

struct Table9Row
{
    // Indexed by RacewayMaterial, then Material.
    std::array<std::array<std::optional<double>, kMaterials>, kRacewayMaterials> Resistance;
    std::optional<double> ReactanceNonmagnetic;
    std::optional<double> ReactanceSteel;
};

PerSize<std::optional<Table9Row>> loadTable9()
{
    // Indexed by RacewayMaterial, then Material.
    constexpr std::array<std::array<std::string_view, kMaterials>, kRacewayMaterials> resistance {{
        {"r_cu_steel", "r_al_steel"},
        {"r_cu_al_conduit", "r_al_al_conduit"},
        {"r_cu_pvc", "r_al_pvc"},
    }};
    const TableFile file("table_9_ac.csv");
    PerSize<std::optional<Table9Row>> rows;
    for (const CsvRow& row : file.rows()) {
        Table9Row& sizeRow = rows[SizeIndex(file.size(row, "size"))].emplace();
        for (std::size_t raceway = 0; raceway < kRacewayMaterials; ++raceway) {
            for (std::size_t material = 0; material < kMaterials; ++material) {
                sizeRow.Resistance[raceway][material]
                    = file.optionalNumber(row, resistance[raceway][material]);
            }
        }
        sizeRow.ReactanceNonmagnetic = file.optionalNumber(row, "xl_pvc_or_al_conduit");
        sizeRow.ReactanceSteel = file.optionalNumber(row, "xl_steel_conduit");
    }
    return rows;
}

// ---- 250.122, 240.6(A), 240.4(D) ----

std::vector<EgcRow> loadEgcRows()
{
    const TableFile file("egc_250_122.csv");
    std::vector<EgcRow> rows;
    for (const CsvRow& row : file.rows()) {
        rows.push_back({file.whole(row, "ocpd_rating_not_exceeding_A"),
            file.size(row, "egc_copper"), file.size(row, "egc_aluminum_or_cca")});
    }
    return rows;
}

std::vector<StandardRating> loadStandardRatings()
{
    const TableFile file("standard_ocpd_ratings.csv");
    std::vector<StandardRating> ratings;
    for (const CsvRow& row : file.rows()) {
        const std::string& appliesTo = file.text(row, "applies_to");
        if (appliesTo != "fuses only" && appliesTo != "fuses and inverse time circuit breakers")
            file.fault("unknown devices " + appliesTo);
        ratings.push_back({file.whole(row, "rating_A"), appliesTo == "fuses only"});
    }
    return ratings;
}

using SmallConductorRow = std::array<std::optional<SmallConductorLimit>, kMaterials>;

PerSize<SmallConductorRow> loadSmallConductorLimits()
{
    const TableFile file("small_conductor_limits.csv");
    PerSize<SmallConductorRow> limits {};
    for (const CsvRow& row : file.rows()) {
        const std::string& material = file.text(row, "material");
        if (material == "copper-clad aluminum")
            continue;
        if (material != "copper" && material != "aluminum and copper-clad aluminum")
            file.fault("unknown material " + material);
        const Material key = material == "copper" ? Material::Copper : Material::Aluminum;
        limits[SizeIndex(file.size(row, "size"))][at(key)]
            = SmallConductorLimit {file.text(row, "nec_2023_item"), file.whole(row, "max_ocpd_A")};
    }
    return limits;
}

// ---- Point-to-point constants ----

// Indexed by Material, then steel (0) or nonmagnetic (1) conduit.
using PointToPointRow = std::array<std::array<std::optional<PointToPointC>, 2>, kMaterials>;

PerSize<PointToPointRow> loadPointToPointC()
{
    constexpr std::array<std::array<std::string_view, 2>, kMaterials> columns {{
        {"copper_three_single_conductors_steel_conduit_600V",
            "copper_three_single_conductors_nonmagnetic_conduit_600V"},
        {"aluminum_three_single_conductors_steel_conduit_600V",
            "aluminum_three_single_conductors_nonmagnetic_conduit_600V"},
    }};
    const TableFile file("p2p_c_values.csv");
    PerSize<PointToPointRow> constants {};
    for (const CsvRow& row : file.rows()) {
        PointToPointRow& sizeRow = constants[SizeIndex(file.size(row, "size"))];
        for (std::size_t material = 0; material < kMaterials; ++material) {
            for (std::size_t conduit = 0; conduit < 2; ++conduit) {
                const std::string_view column = columns[material][conduit];
                if (const std::optional<int> value = file.optionalWhole(row, column))
                    sizeRow[material][conduit] = {*value, file.unconfirmed(row, column)};
            }
        }
    }
    return constants;
}

// ---- All of them ----

struct Tables
{
    PerSize<AmpacityRow> Ampacities = loadAmpacities();
    std::vector<AmbientRow> Ambient = loadAmbientRows();
    std::vector<AdjustmentRow> Adjustment = loadAdjustmentRows();
    std::array<int, kFillLimits> FillPercents = loadFillPercents();
    std::array<std::vector<RacewayRow>, kRacewayTypes> Raceways = loadRacewayRows();
    PerSize<StrandedConductor> Stranded = loadStrandedConductors();
    PerSize<AreaRow> Areas = loadConductorAreas(Stranded);
    PerSize<std::optional<Table9Row>> Table9 = loadTable9();
    std::array<std::vector<ConductorSize>, kMaterials> CircuitSizes = circuitSizes(Table9);
    std::vector<EgcRow> Egc = loadEgcRows();
    std::vector<StandardRating> Ratings = loadStandardRatings();
    PerSize<SmallConductorRow> SmallConductorLimits = loadSmallConductorLimits();
    PerSize<PointToPointRow> PointToPoint = loadPointToPointC();

private:
    // A size a circuit may use has a reactance and, in its material, a resistance in
    // every raceway material.
    static std::array<std::vector<ConductorSize>, kMaterials> circuitSizes(
        const PerSize<std::optional<Table9Row>>& table9)
    {
        std::array<std::vector<ConductorSize>, kMaterials> sizes;
        for (ConductorSize size : AllConductorSizes()) {
            const std::optional<Table9Row>& row = table9[SizeIndex(size)];
            if (!row || !row->ReactanceSteel || !row->ReactanceNonmagnetic)
                continue;
            for (std::size_t material = 0; material < kMaterials; ++material) {
                if (std::all_of(row->Resistance.begin(), row->Resistance.end(),
                        [material](const auto& r) { return r[material].has_value(); }))
                    sizes[material].push_back(size);
            }
        }
        return sizes;
    }
};

const Tables& tables()
{
    static const Tables loaded;
    return loaded;
}

} // namespace

std::optional<int> Ampacity(ConductorSize size, Material material, TemperatureRating column)
{
    return tables().Ampacities[SizeIndex(size)][at(material)][at(column)];
}

std::optional<double> AmbientRow::factor(TemperatureRating column) const
{
    switch (column) {
    case TemperatureRating::C60:
        return Factor60;
    case TemperatureRating::C75:
        return Factor75;
    case TemperatureRating::C90:
        return Factor90;
    }
    return std::nullopt;
}

const AmbientRow* AmbientRowFor(double celsius)
{
    const std::vector<AmbientRow>& rows = tables().Ambient;
    const auto row = std::find_if(rows.begin(), rows.end(),
        [celsius](const AmbientRow& r) { return celsius <= r.HighestCelsius; });
    return row == rows.end() ? nullptr : &*row;
}

const AdjustmentRow* AdjustmentRowFor(int count)
{
    const std::vector<AdjustmentRow>& rows = tables().Adjustment;
    const auto row = std::find_if(rows.begin(), rows.end(), [count](const AdjustmentRow& r) {
        return count >= r.LowestCount && (!r.HighestCount || count <= *r.HighestCount);
    });
    return row == rows.end() ? nullptr : &*row;
}

std::optional<ConductorArea> ConductorAreaOf(ConductorSize size, Insulation insulation)
{
    const std::optional<Area>& area = tables().Areas[SizeIndex(size)][at(insulation)];
    if (!area)
        return std::nullopt;
    return ConductorArea {*area, kTable5Rows[at(insulation)]};
}

int FillPercent(FillLimit limit)
{
    return tables().FillPercents[at(limit)];
}

Area RacewayRow::allowed(FillLimit limit) const
{
    switch (limit) {
    case FillLimit::OneConductor:
        return Percent53;
    case FillLimit::TwoConductors:
        return Percent31;
    case FillLimit::OverTwo:
        return Percent40;
    case FillLimit::Nipple:
        return Percent60;
    }
    return {};
}

std::span<const RacewayRow> RacewayRows(RacewayType type)
{
    return tables().Raceways[at(type)];
}

double StrandedConductor::dcOhms(Material material) const
{
    return material == Material::Copper ? DcOhmsCopper : DcOhmsAluminum;
}

const StrandedConductor& StrandedConductorOf(ConductorSize size)
{
    return tables().Stranded[SizeIndex(size)];
}

std::optional<AcImpedance> AcImpedanceOf(
    ConductorSize size, Material material, RacewayMaterial raceway)
{
    const std::optional<Table9Row>& row = tables().Table9[SizeIndex(size)];
    if (!row)
        return std::nullopt;
    const std::optional<double> reactance
        = IsMagnetic(raceway) ? row->ReactanceSteel : row->ReactanceNonmagnetic;
    const std::optional<double> resistance = row->Resistance[at(raceway)][at(material)];
    if (!reactance || !resistance)
        return std::nullopt;
    return AcImpedance {*reactance, *resistance};
}

std::span<const ConductorSize> CircuitSizes(Material material)
{
    return tables().CircuitSizes[at(material)];
}

ConductorSize EgcRow::size(Material material) const
{
    return material == Material::Copper ? Copper : Aluminum;
}

const EgcRow* EgcRowFor(double deviceRating)
{
    const std::vector<EgcRow>& rows = tables().Egc;
    const auto row = std::find_if(rows.begin(), rows.end(),
        [deviceRating](const EgcRow& r) { return deviceRating <= r.RatingNotExceeding; });
    return row == rows.end() ? nullptr : &*row;
}

std::span<const StandardRating> StandardRatings()
{
    return tables().Ratings;
}

const StandardRating* FindStandardRating(int amperes)
{
    const std::span<const StandardRating> ratings = StandardRatings();
    const auto rating = std::find_if(ratings.begin(), ratings.end(),
        [amperes](const StandardRating& r) { return r.Amperes == amperes; });
    return rating == ratings.end() ? nullptr : &*rating;
}

const SmallConductorLimit* SmallConductorLimitOf(ConductorSize size, Material material)
{
    const std::optional<SmallConductorLimit>& limit
        = tables().SmallConductorLimits[SizeIndex(size)][at(material)];
    return limit ? &*limit : nullptr;
}

std::optional<PointToPointC> PointToPointCOf(
    ConductorSize size, Material material, RacewayMaterial raceway)
{
    return tables().PointToPoint[SizeIndex(size)][at(material)][IsMagnetic(raceway) ? 0 : 1];
}

} // namespace nec
