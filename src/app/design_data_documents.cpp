#include "app/design_data_documents.h"

#include <QStringList>

#include <initializer_list>

namespace {

using Row = std::initializer_list<const char*>;

// A current table keyed by a rating, with a column for each voltage.
struct CurrentTable
{
    const char* title;
    const char* keyHeading;
    const char* valueHeading;
    Row voltages;
    std::initializer_list<Row> rows;
};

const CurrentTable kThreePhaseTransformers {"THREE-PHASE TRANSFORMERS", "KVA", "AMPERES",
    {"208 V", "240 V", "480 V"},
    {
        {"3", "8.3", "7.2", "3.6"},
        {"6", "16.6", "14.4", "7.2"},
        {"9", "25.0", "21.6", "10.8"},
        {"15", "41.6", "36", "18"},
        {"20", "55.6", "48.2", "24.1"},
        {"25", "69.5", "60.2", "30.1"},
        {"30", "83.0", "72", "36"},
        {"37-1/2", "104", "90.3", "45.2"},
        {"45", "125", "108", "54"},
        {"50", "139", "120", "60.2"},
        {"60", "167", "145", "72.3"},
        {"75", "208", "180", "90"},
        {"100", "278", "241", "120"},
        {"112-1/2", "312", "270", "135"},
        {"150", "415", "360", "180"},
        {"200", "554", "480", "240"},
        {"225", "625", "540", "270"},
        {"300", "830", "720", "360"},
        {"400", "1110", "960", "480"},
        {"500", "1380", "1200", "600"},
        {"750", "2080", "1800", "900"},
        {"1000", "2780", "2400", "1200"},
        {"1500", "4150", "3600", "1800"},
        {"2000", "5540", "4800", "2400"},
        {"3000", "8320", "7200", "3600"},
    }};

const CurrentTable kSinglePhaseTransformers {"SINGLE-PHASE TRANSFORMERS", "KVA", "AMPERES",
    {"120 V", "240 V", "480 V"},
    {
        {"1", "8.33", "4.17", "2.08"},
        {"1-1/2", "12.5", "6.25", "3.13"},
        {"2", "16.7", "8.33", "4.17"},
        {"3", "25.0", "12.5", "6.25"},
        {"5", "41.7", "20.8", "10.4"},
        {"7-1/2", "62.5", "31.3", "15.6"},
        {"10", "83.3", "41.7", "20.8"},
        {"15", "125", "62.5", "31.3"},
        {"20", "167", "83.3", "41.7"},
        {"25", "208", "104", "52.1"},
        {"30", "250", "125", "62.5"},
        {"37-1/2", "313", "156", "78.0"},
        {"50", "417", "208", "104"},
        {"75", "625", "313", "156"},
        {"100", "833", "417", "208"},
        {"150", "1250", "625", "313"},
        {"167", "1392", "696", "348"},
        {"200", "1667", "833", "417"},
        {"250", "2083", "1042", "521"},
        {"333", "2775", "1388", "694"},
        {"500", "4167", "2083", "1042"},
    }};

const CurrentTable kThreePhaseMotors {"THREE-PHASE MOTORS", "HP", "FULL LOAD AMPERES",
    {"208 V", "230 V", "460 V"},
    {
        {"1/2", "2.2", "2", "1"},
        {"3/4", "3.1", "2.8", "1.4"},
        {"1", "4.0", "3.6", "1.8"},
        {"1-1/2", "5.7", "5.2", "2.6"},
        {"2", "7.5", "6.8", "3.4"},
        {"3", "10.6", "9.6", "4.8"},
        {"5", "16.7", "15.2", "7.6"},
        {"7-1/2", "24.2", "22", "11"},
        {"10", "30.8", "28", "14"},
        {"15", "46.2", "42", "21"},
        {"20", "59.4", "54", "27"},
        {"25", "74.8", "68", "34"},
        {"30", "88", "80", "40"},
        {"40", "114.4", "104", "52"},
        {"50", "143.0", "130", "65"},
        {"60", "169.4", "154", "77"},
        {"75", "211.2", "192", "96"},
        {"100", "272.8", "248", "124"},
        {"125", "343.2", "312", "156"},
        {"150", "396.0", "360", "180"},
        {"200", "528.0", "480", "240"},
    }};

// NEC Table 430.248.
const CurrentTable kSinglePhaseMotors {"SINGLE-PHASE MOTORS", "HP", "FULL LOAD AMPERES",
    {"115 V", "200 V", "208 V", "230 V"},
    {
        {"1/6", "4.4", "2.5", "2.4", "2.2"},
        {"1/4", "5.8", "3.3", "3.2", "2.9"},
        {"1/3", "7.2", "4.1", "4.0", "3.6"},
        {"1/2", "9.8", "5.6", "5.4", "4.9"},
        {"3/4", "13.8", "7.9", "7.6", "6.9"},
        {"1", "16", "9.2", "8.8", "8.0"},
        {"1-1/2", "20", "11.5", "11.0", "10"},
        {"2", "24", "13.8", "13.2", "12"},
        {"3", "34", "19.6", "18.7", "17"},
        {"5", "56", "32.2", "30.8", "28"},
        {"7-1/2", "80", "46.0", "44.0", "40"},
        {"10", "100", "57.5", "55.0", "50"},
    }};

// Two-phase, four-wire motors (NEC Table 430.249); from 3 HP up there is no 115 V rating.
const CurrentTable kTwoPhaseMotors {"TWO-PHASE MOTORS", "HP", "FULL LOAD AMPERES",
    {"115 V", "230 V", "460 V"},
    {
        {"1/2", "4", "2", "1"},
        {"3/4", "4.8", "2.4", "1.2"},
        {"1", "6.4", "3.2", "1.6"},
        {"1-1/2", "9", "4.5", "2.3"},
        {"2", "11.8", "5.9", "3"},
        {"3", "", "8.3", "4.2"},
        {"5", "", "13.2", "6.6"},
        {"7-1/2", "", "19", "9"},
        {"10", "", "24", "12"},
        {"15", "", "36", "18"},
        {"20", "", "47", "23"},
        {"25", "", "59", "29"},
        {"30", "", "69", "35"},
        {"40", "", "90", "45"},
        {"50", "", "113", "56"},
        {"60", "", "133", "67"},
        {"75", "", "166", "83"},
        {"100", "", "218", "109"},
        {"125", "", "270", "135"},
        {"150", "", "312", "156"},
        {"200", "", "416", "208"},
    }};

// Copper 75 C and 90 C, then aluminum 75 C and 90 C. An asterisk marks the sizes whose
// overcurrent protection is limited below the table value.
const std::initializer_list<Row> kAmpacities {
    {"14", "20*", "25*", "\u2026", "\u2026"},
    {"12", "25*", "30*", "20*", "25*"},
    {"10", "35*", "40*", "30*", "35*"},
    {"8", "50", "55", "40", "45"},
    {"6", "65", "75", "50", "60"},
    {"4", "85", "95", "65", "75"},
    {"3", "100", "110", "75", "85"},
    {"2", "115", "130", "90", "100"},
    {"1", "130", "150", "100", "115"},
    {"1/0", "150", "170", "120", "135"},
    {"2/0", "175", "195", "135", "150"},
    {"3/0", "200", "225", "155", "175"},
    {"4/0", "230", "260", "180", "205"},
    {"250", "255", "290", "205", "230"},
    {"300", "285", "320", "230", "255"},
    {"350", "310", "350", "250", "280"},
    {"400", "335", "380", "270", "305"},
    {"500", "380", "430", "310", "350"},
    {"600", "420", "475", "340", "385"},
    {"750", "475", "535", "385", "435"},
    {"1000", "545", "615", "445", "500"},
};

QString cell(const char* text, bool bold = false, int span = 1)
{
    const QString content = QString::fromUtf8(text).toHtmlEscaped();
    const QString spanAttribute
        = span > 1 ? QStringLiteral(" colspan=\"%1\"").arg(span) : QString();
    return QStringLiteral("<td align=\"center\"%1>%2</td>")
        .arg(spanAttribute, bold ? QStringLiteral("<b>%1</b>").arg(content) : content);
}

QString row(std::initializer_list<QString> cells)
{
    QString html = QStringLiteral("<tr>");
    for (const QString& c : cells)
        html += c;
    return html + QStringLiteral("</tr>");
}

QString row(Row values, bool bold = false)
{
    QString html = QStringLiteral("<tr>");
    for (const char* value : values)
        html += cell(value, bold);
    return html + QStringLiteral("</tr>");
}

QString table(const QString& rows)
{
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                          "style=\"border-collapse: collapse; border-color: #000000;\">%1</table>")
        .arg(rows);
}

QString currentTable(const CurrentTable& data)
{
    const int voltages = static_cast<int>(data.voltages.size());
    QString rows = row({cell(data.title, true, 1 + voltages)});
    rows += row({cell(data.keyHeading, true), cell(data.valueHeading, true, voltages)});
    QString voltageRow = cell("", true);
    for (const char* voltage : data.voltages)
        voltageRow += cell(voltage, true);
    rows += row({voltageRow});
    for (const Row& values : data.rows)
        rows += row(values);
    return table(rows);
}

QString ampacityTable()
{
    QString rows = row({cell("Three Conductors in Raceway, Cable or Earth", true, 5)});
    rows += row({cell("AMPACITIES", true, 5)});
    rows += row({"", "75C", "90C", "75C", "90C"}, true);
    rows += row({"", "USE", "THHN", "USE", "THHN"}, true);
    rows += row({"", "THW", "THHW", "THW", "THHW"}, true);
    rows += row({"AWG", "THWN", "XHHW", "THWN", "XHHW"}, true);
    rows += row({cell("kcmil", true), cell("COOPER", true, 2), cell("ALUMINUM", true, 2)});
    for (const Row& values : kAmpacities)
        rows += row(values);
    return table(rows);
}

// Qt ends every table with an empty paragraph of its own: that one paragraph is what
// separates the tables.
QString document(const QStringList& tables)
{
    return QStringLiteral(
        "<html><body style=\"font-family: Arial; font-size: 10pt;\">%1</body></html>")
        .arg(tables.join(QString()));
}

} // namespace

QString designDocumentHtml(DesignDocument which)
{
    switch (which) {
    case DesignDocument::Transformers:
        return document(
            {currentTable(kThreePhaseTransformers), currentTable(kSinglePhaseTransformers)});
    case DesignDocument::Motors:
        return document({currentTable(kThreePhaseMotors), currentTable(kSinglePhaseMotors),
            currentTable(kTwoPhaseMotors)});
    case DesignDocument::WireAmpacities:
        return document({ampacityTable()});
    }
    return {};
}
