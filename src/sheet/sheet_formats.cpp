#include "sheet/sheet_formats.h"

#include "ui/number_locale.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QTextOption>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <span>

using sheetfile::Value;

namespace {

// A word for a value of an enumeration or a flag.
struct NamedValue
{
    int value;
    std::string_view word;
};

enum class Kind
{
    Bool,
    Int,
    Real,
    String,
    Strings,
    StringOrStrings, // one name, or a list of them (the anchor names)
    Colour,
    Brush,
    Pen,
    Length,
    Lengths,
    Tabs,
    Enum, // one of `words`, or a number for a value they do not name
    Flags, // a list of `words`, and a number for the bits they do not name
};

struct PropertyRow
{
    int id;
    std::string_view name;
    Kind kind;
    std::span<const NamedValue> words = {};
};

constexpr NamedValue kAlignments[] = {{Qt::AlignLeft, "left"}, {Qt::AlignRight, "right"},
    {Qt::AlignHCenter, "hcenter"}, {Qt::AlignJustify, "justify"}, {Qt::AlignAbsolute, "absolute"},
    {Qt::AlignTop, "top"}, {Qt::AlignBottom, "bottom"}, {Qt::AlignVCenter, "vcenter"},
    {Qt::AlignBaseline, "baseline"}};
constexpr NamedValue kPageBreaks[] = {{QTextFormat::PageBreak_AlwaysBefore, "always-before"},
    {QTextFormat::PageBreak_AlwaysAfter, "always-after"}};
constexpr NamedValue kLayoutDirections[] = {{Qt::LeftToRight, "left-to-right"},
    {Qt::RightToLeft, "right-to-left"}, {Qt::LayoutDirectionAuto, "auto"}};
constexpr NamedValue kFloats[] = {{QTextFrameFormat::InFlow, "in-flow"},
    {QTextFrameFormat::FloatLeft, "float-left"}, {QTextFrameFormat::FloatRight, "float-right"}};
constexpr NamedValue kLineHeightTypes[] = {{QTextBlockFormat::SingleHeight, "single"},
    {QTextBlockFormat::ProportionalHeight, "proportional"},
    {QTextBlockFormat::FixedHeight, "fixed"}, {QTextBlockFormat::MinimumHeight, "minimum"},
    {QTextBlockFormat::LineDistanceHeight, "line-distance"}};
constexpr NamedValue kMarkers[] = {{int(QTextBlockFormat::MarkerType::NoMarker), "none"},
    {int(QTextBlockFormat::MarkerType::Unchecked), "unchecked"},
    {int(QTextBlockFormat::MarkerType::Checked), "checked"}};
constexpr NamedValue kCapitalizations[] = {{QFont::MixedCase, "mixed-case"},
    {QFont::AllUppercase, "all-uppercase"}, {QFont::AllLowercase, "all-lowercase"},
    {QFont::SmallCaps, "small-caps"}, {QFont::Capitalize, "capitalize"}};
constexpr NamedValue kStyleHints[]
    = {{QFont::SansSerif, "sans-serif"}, {QFont::Serif, "serif"}, {QFont::TypeWriter, "typewriter"},
        {QFont::Decorative, "decorative"}, {QFont::System, "system"}, {QFont::AnyStyle, "any"},
        {QFont::Cursive, "cursive"}, {QFont::Monospace, "monospace"}, {QFont::Fantasy, "fantasy"}};
constexpr NamedValue kStyleStrategies[]
    = {{QFont::PreferDefault, "prefer-default"}, {QFont::PreferBitmap, "prefer-bitmap"},
        {QFont::PreferDevice, "prefer-device"}, {QFont::PreferOutline, "prefer-outline"},
        {QFont::ForceOutline, "force-outline"}, {QFont::PreferMatch, "prefer-match"},
        {QFont::PreferQuality, "prefer-quality"}, {QFont::PreferAntialias, "prefer-antialias"},
        {QFont::NoAntialias, "no-antialias"}, {QFont::NoSubpixelAntialias, "no-subpixel-antialias"},
        {QFont::PreferNoShaping, "prefer-no-shaping"}, {QFont::NoFontMerging, "no-font-merging"}};
constexpr NamedValue kHintings[]
    = {{QFont::PreferDefaultHinting, "default"}, {QFont::PreferNoHinting, "none"},
        {QFont::PreferVerticalHinting, "vertical"}, {QFont::PreferFullHinting, "full"}};
constexpr NamedValue kLetterSpacingTypes[]
    = {{QFont::PercentageSpacing, "percentage"}, {QFont::AbsoluteSpacing, "absolute"}};
constexpr NamedValue kUnderlineStyles[] = {{QTextCharFormat::NoUnderline, "none"},
    {QTextCharFormat::SingleUnderline, "single"}, {QTextCharFormat::DashUnderline, "dash"},
    {QTextCharFormat::DotLine, "dot"}, {QTextCharFormat::DashDotLine, "dash-dot"},
    {QTextCharFormat::DashDotDotLine, "dash-dot-dot"}, {QTextCharFormat::WaveUnderline, "wave"},
    {QTextCharFormat::SpellCheckUnderline, "spell-check"}};
constexpr NamedValue kVerticalAlignments[]
    = {{QTextCharFormat::AlignNormal, "normal"}, {QTextCharFormat::AlignSuperScript, "superscript"},
        {QTextCharFormat::AlignSubScript, "subscript"}, {QTextCharFormat::AlignMiddle, "middle"},
        {QTextCharFormat::AlignTop, "top"}, {QTextCharFormat::AlignBottom, "bottom"},
        {QTextCharFormat::AlignBaseline, "baseline"}};
constexpr NamedValue kObjectTypes[]
    = {{QTextFormat::NoObject, "none"}, {QTextFormat::ImageObject, "image"},
        {QTextFormat::TableObject, "table"}, {QTextFormat::TableCellObject, "table-cell"}};
constexpr NamedValue kListStyles[] = {{QTextListFormat::ListDisc, "disc"},
    {QTextListFormat::ListCircle, "circle"}, {QTextListFormat::ListSquare, "square"},
    {QTextListFormat::ListDecimal, "decimal"}, {QTextListFormat::ListLowerAlpha, "lower-alpha"},
    {QTextListFormat::ListUpperAlpha, "upper-alpha"},
    {QTextListFormat::ListLowerRoman, "lower-roman"},
    {QTextListFormat::ListUpperRoman, "upper-roman"}};
constexpr NamedValue kBorderStyles[] = {{QTextFrameFormat::BorderStyle_None, "none"},
    {QTextFrameFormat::BorderStyle_Dotted, "dotted"},
    {QTextFrameFormat::BorderStyle_Dashed, "dashed"},
    {QTextFrameFormat::BorderStyle_Solid, "solid"},
    {QTextFrameFormat::BorderStyle_Double, "double"},
    {QTextFrameFormat::BorderStyle_DotDash, "dot-dash"},
    {QTextFrameFormat::BorderStyle_DotDotDash, "dot-dot-dash"},
    {QTextFrameFormat::BorderStyle_Groove, "groove"},
    {QTextFrameFormat::BorderStyle_Ridge, "ridge"}, {QTextFrameFormat::BorderStyle_Inset, "inset"},
    {QTextFrameFormat::BorderStyle_Outset, "outset"}};

// Parts of compound values. Gradients and textures have no word: a file cannot hold them.
constexpr NamedValue kBrushStyles[] = {{Qt::NoBrush, "none"}, {Qt::SolidPattern, "solid"},
    {Qt::Dense1Pattern, "dense1"}, {Qt::Dense2Pattern, "dense2"}, {Qt::Dense3Pattern, "dense3"},
    {Qt::Dense4Pattern, "dense4"}, {Qt::Dense5Pattern, "dense5"}, {Qt::Dense6Pattern, "dense6"},
    {Qt::Dense7Pattern, "dense7"}, {Qt::HorPattern, "horizontal"}, {Qt::VerPattern, "vertical"},
    {Qt::CrossPattern, "cross"}, {Qt::BDiagPattern, "backward-diagonal"},
    {Qt::FDiagPattern, "forward-diagonal"}, {Qt::DiagCrossPattern, "diagonal-cross"}};
constexpr NamedValue kPenStyles[] = {{Qt::NoPen, "none"}, {Qt::SolidLine, "solid"},
    {Qt::DashLine, "dash"}, {Qt::DotLine, "dot"}, {Qt::DashDotLine, "dash-dot"},
    {Qt::DashDotDotLine, "dash-dot-dot"}, {Qt::CustomDashLine, "custom"}};
constexpr NamedValue kCapStyles[]
    = {{Qt::FlatCap, "flat"}, {Qt::SquareCap, "square"}, {Qt::RoundCap, "round"}};
constexpr NamedValue kJoinStyles[] = {{Qt::MiterJoin, "miter"}, {Qt::BevelJoin, "bevel"},
    {Qt::RoundJoin, "round"}, {Qt::SvgMiterJoin, "svg-miter"}};
constexpr NamedValue kLengthTypes[] = {{QTextLength::VariableLength, "variable"},
    {QTextLength::FixedLength, "fixed"}, {QTextLength::PercentageLength, "percentage"}};
constexpr NamedValue kTabTypes[]
    = {{QTextOption::LeftTab, "left"}, {QTextOption::RightTab, "right"},
        {QTextOption::CenterTab, "center"}, {QTextOption::DelimiterTab, "delimiter"}};

// The names the file gives Qt's properties, in Qt's order.
constexpr PropertyRow kProperties[] = {
    // Paragraphs and characters
    {QTextFormat::CssFloat, "float", Kind::Enum, kFloats},
    {QTextFormat::LayoutDirection, "layout-direction", Kind::Enum, kLayoutDirections},
    {QTextFormat::OutlinePen, "outline", Kind::Pen},
    {QTextFormat::BackgroundBrush, "background", Kind::Brush},
    {QTextFormat::ForegroundBrush, "foreground", Kind::Brush},
    {QTextFormat::BackgroundImageUrl, "background-image", Kind::String},
    // Paragraphs
    {QTextFormat::BlockAlignment, "alignment", Kind::Flags, kAlignments},
    {QTextFormat::BlockTopMargin, "top-margin", Kind::Real},
    {QTextFormat::BlockBottomMargin, "bottom-margin", Kind::Real},
    {QTextFormat::BlockLeftMargin, "left-margin", Kind::Real},
    {QTextFormat::BlockRightMargin, "right-margin", Kind::Real},
    {QTextFormat::TextIndent, "text-indent", Kind::Real},
    {QTextFormat::TabPositions, "tab-positions", Kind::Tabs},
    {QTextFormat::BlockIndent, "indent", Kind::Int},
    {QTextFormat::LineHeight, "line-height", Kind::Real},
    {QTextFormat::LineHeightType, "line-height-type", Kind::Enum, kLineHeightTypes},
    {QTextFormat::BlockNonBreakableLines, "non-breakable-lines", Kind::Bool},
    {QTextFormat::BlockTrailingHorizontalRulerWidth, "horizontal-rule-width", Kind::Length},
    {QTextFormat::HeadingLevel, "heading-level", Kind::Int},
    {QTextFormat::BlockQuoteLevel, "quote-level", Kind::Int},
    {QTextFormat::BlockCodeLanguage, "code-language", Kind::String},
    {QTextFormat::BlockCodeFence, "code-fence", Kind::String},
    {QTextFormat::BlockMarker, "marker", Kind::Enum, kMarkers},
    // Characters
    {QTextFormat::FontCapitalization, "font-capitalization", Kind::Enum, kCapitalizations},
    {QTextFormat::FontLetterSpacing, "font-letter-spacing", Kind::Real},
    {QTextFormat::FontWordSpacing, "font-word-spacing", Kind::Real},
    {QTextFormat::FontStyleHint, "font-style-hint", Kind::Enum, kStyleHints},
    {QTextFormat::FontStyleStrategy, "font-style-strategy", Kind::Flags, kStyleStrategies},
    {QTextFormat::FontKerning, "font-kerning", Kind::Bool},
    {QTextFormat::FontHintingPreference, "font-hinting", Kind::Enum, kHintings},
    {QTextFormat::FontFamilies, "font-families", Kind::Strings},
    {QTextFormat::FontStyleName, "font-style-name", Kind::String},
    {QTextFormat::FontLetterSpacingType, "font-letter-spacing-type", Kind::Enum,
        kLetterSpacingTypes},
    {QTextFormat::FontStretch, "font-stretch", Kind::Int},
    {QTextFormat::OldFontFamily, "font-family", Kind::String},
    {QTextFormat::FontPointSize, "font-point-size", Kind::Real},
    {QTextFormat::FontSizeAdjustment, "font-size-adjustment", Kind::Int},
    {QTextFormat::FontWeight, "font-weight", Kind::Int},
    {QTextFormat::FontItalic, "font-italic", Kind::Bool},
    {QTextFormat::FontUnderline, "font-underline", Kind::Bool},
    {QTextFormat::FontOverline, "font-overline", Kind::Bool},
    {QTextFormat::FontStrikeOut, "font-strike-out", Kind::Bool},
    {QTextFormat::FontFixedPitch, "font-fixed-pitch", Kind::Bool},
    {QTextFormat::FontPixelSize, "font-pixel-size", Kind::Int},
    {QTextFormat::TextUnderlineColor, "underline-color", Kind::Colour},
    {QTextFormat::TextVerticalAlignment, "vertical-alignment", Kind::Enum, kVerticalAlignments},
    {QTextFormat::TextOutline, "text-outline", Kind::Pen},
    {QTextFormat::TextUnderlineStyle, "underline-style", Kind::Enum, kUnderlineStyles},
    {QTextFormat::TextToolTip, "tool-tip", Kind::String},
    {QTextFormat::TextSuperScriptBaseline, "superscript-baseline", Kind::Real},
    {QTextFormat::TextSubScriptBaseline, "subscript-baseline", Kind::Real},
    {QTextFormat::TextBaselineOffset, "baseline-offset", Kind::Real},
    {QTextFormat::IsAnchor, "anchor", Kind::Bool},
    {QTextFormat::AnchorHref, "anchor-href", Kind::String},
    {QTextFormat::AnchorName, "anchor-names", Kind::StringOrStrings},
    {QTextFormat::ObjectType, "object-type", Kind::Enum, kObjectTypes},
    // Lists
    {QTextFormat::ListStyle, "list-style", Kind::Enum, kListStyles},
    {QTextFormat::ListIndent, "list-indent", Kind::Int},
    {QTextFormat::ListNumberPrefix, "list-number-prefix", Kind::String},
    {QTextFormat::ListNumberSuffix, "list-number-suffix", Kind::String},
    // Frames and tables
    {QTextFormat::FrameBorder, "frame-border", Kind::Real},
    {QTextFormat::FrameMargin, "frame-margin", Kind::Real},
    {QTextFormat::FramePadding, "frame-padding", Kind::Real},
    {QTextFormat::FrameWidth, "frame-width", Kind::Length},
    {QTextFormat::FrameHeight, "frame-height", Kind::Length},
    {QTextFormat::FrameTopMargin, "frame-top-margin", Kind::Real},
    {QTextFormat::FrameBottomMargin, "frame-bottom-margin", Kind::Real},
    {QTextFormat::FrameLeftMargin, "frame-left-margin", Kind::Real},
    {QTextFormat::FrameRightMargin, "frame-right-margin", Kind::Real},
    {QTextFormat::FrameBorderBrush, "frame-border-brush", Kind::Brush},
    {QTextFormat::FrameBorderStyle, "frame-border-style", Kind::Enum, kBorderStyles},
    {QTextFormat::TableColumns, "table-columns", Kind::Int},
    {QTextFormat::TableColumnWidthConstraints, "table-column-widths", Kind::Lengths},
    {QTextFormat::TableCellSpacing, "table-cell-spacing", Kind::Real},
    {QTextFormat::TableCellPadding, "table-cell-padding", Kind::Real},
    {QTextFormat::TableHeaderRowCount, "table-header-rows", Kind::Int},
    {QTextFormat::TableBorderCollapse, "table-border-collapse", Kind::Bool},
    // Table cells
    {QTextFormat::TableCellRowSpan, "cell-row-span", Kind::Int},
    {QTextFormat::TableCellColumnSpan, "cell-column-span", Kind::Int},
    {QTextFormat::TableCellTopPadding, "cell-top-padding", Kind::Real},
    {QTextFormat::TableCellBottomPadding, "cell-bottom-padding", Kind::Real},
    {QTextFormat::TableCellLeftPadding, "cell-left-padding", Kind::Real},
    {QTextFormat::TableCellRightPadding, "cell-right-padding", Kind::Real},
    {QTextFormat::TableCellTopBorder, "cell-top-border", Kind::Real},
    {QTextFormat::TableCellBottomBorder, "cell-bottom-border", Kind::Real},
    {QTextFormat::TableCellLeftBorder, "cell-left-border", Kind::Real},
    {QTextFormat::TableCellRightBorder, "cell-right-border", Kind::Real},
    {QTextFormat::TableCellTopBorderStyle, "cell-top-border-style", Kind::Enum, kBorderStyles},
    {QTextFormat::TableCellBottomBorderStyle, "cell-bottom-border-style", Kind::Enum,
        kBorderStyles},
    {QTextFormat::TableCellLeftBorderStyle, "cell-left-border-style", Kind::Enum, kBorderStyles},
    {QTextFormat::TableCellRightBorderStyle, "cell-right-border-style", Kind::Enum, kBorderStyles},
    {QTextFormat::TableCellTopBorderBrush, "cell-top-border-brush", Kind::Brush},
    {QTextFormat::TableCellBottomBorderBrush, "cell-bottom-border-brush", Kind::Brush},
    {QTextFormat::TableCellLeftBorderBrush, "cell-left-border-brush", Kind::Brush},
    {QTextFormat::TableCellRightBorderBrush, "cell-right-border-brush", Kind::Brush},
    // Images
    {QTextFormat::ImageName, "image-name", Kind::String},
    {QTextFormat::ImageTitle, "image-title", Kind::String},
    {QTextFormat::ImageAltText, "image-alt-text", Kind::String},
    {QTextFormat::ImageWidth, "image-width", Kind::Real},
    {QTextFormat::ImageHeight, "image-height", Kind::Real},
    {QTextFormat::ImageQuality, "image-quality", Kind::Int},
    // Selections and pages
    {QTextFormat::FullWidthSelection, "full-width-selection", Kind::Bool},
    {QTextFormat::PageBreakPolicy, "page-break-policy", Kind::Flags, kPageBreaks},
};

// The prefix of a property the table does not name: "qt-" and Qt's number for it.
constexpr std::string_view kNumberedPrefix = "qt-";

// One name for one number: a second row would be read or written in place of the first.
constexpr bool eachPropertyNamedOnce()
{
    for (std::size_t i = 0; i < std::size(kProperties); ++i) {
        if (kProperties[i].name.starts_with(kNumberedPrefix))
            return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (kProperties[i].id == kProperties[j].id
                || kProperties[i].name == kProperties[j].name)
                return false;
        }
    }
    return true;
}
static_assert(eachPropertyNamedOnce());

const PropertyRow* rowOf(int id)
{
    const auto row = std::find_if(std::begin(kProperties), std::end(kProperties),
        [id](const PropertyRow& r) { return r.id == id; });
    return row == std::end(kProperties) ? nullptr : row;
}

const PropertyRow* rowNamed(std::string_view name)
{
    const auto row = std::find_if(std::begin(kProperties), std::end(kProperties),
        [name](const PropertyRow& r) { return r.name == name; });
    return row == std::end(kProperties) ? nullptr : row;
}

// Qt's number in a "qt-<number>" name that the table does not cover; nullopt for any other.
std::optional<int> numberedProperty(std::string_view name)
{
    if (!name.starts_with(kNumberedPrefix))
        return std::nullopt;
    const std::string_view digits = name.substr(kNumberedPrefix.size());
    int id = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
    const bool canonical = !digits.empty() && (digits[0] != '0' || digits.size() == 1);
    if (error != std::errc() || end != digits.data() + digits.size() || !canonical
        || id == QTextFormat::ObjectIndex || id < 0 || rowOf(id))
        return std::nullopt;
    return id;
}

// Writing: Qt's values as the file's.

Value word(std::span<const NamedValue> words, int value)
{
    const auto named = std::find_if(
        words.begin(), words.end(), [value](const NamedValue& n) { return n.value == value; });
    if (named == words.end())
        return {std::int64_t(value)};
    return {sheetfile::Word {std::string(named->word)}};
}

Value flags(std::span<const NamedValue> words, int value)
{
    std::vector<Value> list;
    int rest = value;
    for (const NamedValue& named : words) {
        if (named.value != 0 && (rest & named.value) == named.value) {
            list.push_back({sheetfile::Word {std::string(named.word)}});
            rest &= ~named.value;
        }
    }
    if (rest != 0)
        list.push_back({std::int64_t(rest)});
    return {std::move(list)};
}

Value call(std::string name, std::vector<Value> arguments)
{
    return {sheetfile::Call {std::move(name), std::move(arguments)}};
}

Value colourValue(const QColor& colour)
{
    if (!colour.isValid())
        return {sheetfile::Word {"invalid"}};
    const QRgba64 rgba = colour.rgba64();
    return {sheetfile::Colour {rgba.red(), rgba.green(), rgba.blue(), rgba.alpha()}};
}

std::optional<Value> brushValue(const QBrush& brush)
{
    const auto style = std::find_if(std::begin(kBrushStyles), std::end(kBrushStyles),
        [&](const NamedValue& n) { return n.value == brush.style(); });
    if (style == std::end(kBrushStyles) || !brush.transform().isIdentity())
        return std::nullopt;
    return call("brush", {word(kBrushStyles, brush.style()), colourValue(brush.color())});
}

std::optional<double> finite(double value)
{
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

std::optional<Value> penValue(const QPen& pen)
{
    const std::optional<Value> brush = brushValue(pen.brush());
    const std::optional<double> width = finite(pen.widthF());
    const std::optional<double> miter = finite(pen.miterLimit());
    if (!brush || !width || !miter)
        return std::nullopt;
    std::vector<Value> arguments
        = {{*width}, *brush, word(kPenStyles, pen.style()), word(kCapStyles, pen.capStyle()),
            word(kJoinStyles, pen.joinStyle()), {*miter}, {pen.isCosmetic()}};
    if (pen.style() == Qt::CustomDashLine) {
        std::vector<Value> dashes;
        for (const qreal dash : pen.dashPattern())
            dashes.push_back({double(dash)});
        arguments.push_back({std::move(dashes)});
        arguments.push_back({double(pen.dashOffset())});
    }
    return call("pen", std::move(arguments));
}

std::optional<Value> lengthValue(const QTextLength& length)
{
    const std::optional<double> value = finite(length.rawValue());
    if (!value)
        return std::nullopt;
    return call("length", {word(kLengthTypes, length.type()), {*value}});
}

std::optional<Value> tabValue(const QTextOption::Tab& tab)
{
    const std::optional<double> position = finite(tab.position);
    if (!position)
        return std::nullopt;
    return call(
        "tab", {{*position}, word(kTabTypes, tab.type), {ui::toStd(QString(tab.delimiter))}});
}

// A value by its own type, for properties outside the table and the items of lists.
std::optional<Value> valueOfType(const QVariant& variant)
{
    switch (variant.typeId()) {
    case QMetaType::Bool:
        return Value {variant.toBool()};
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return Value {std::int64_t(variant.toLongLong())};
    case QMetaType::Double:
    case QMetaType::Float:
        if (const auto value = finite(variant.toDouble()))
            return Value {*value};
        return std::nullopt;
    case QMetaType::QString:
        return Value {ui::toStd(variant.toString())};
    case QMetaType::QStringList: {
        std::vector<Value> list;
        for (const QString& item : variant.toStringList())
            list.push_back({ui::toStd(item)});
        return Value {std::move(list)};
    }
    case QMetaType::QColor:
        return colourValue(variant.value<QColor>());
    case QMetaType::QBrush:
        return brushValue(variant.value<QBrush>());
    case QMetaType::QPen:
        return penValue(variant.value<QPen>());
    case QMetaType::QVariantList: {
        std::vector<Value> list;
        for (const QVariant& item : variant.toList()) {
            std::optional<Value> value = valueOfType(item);
            if (!value)
                return std::nullopt;
            list.push_back(std::move(*value));
        }
        return Value {std::move(list)};
    }
    default:
        if (variant.metaType() == QMetaType::fromType<QTextLength>())
            return lengthValue(variant.value<QTextLength>());
        if (variant.metaType() == QMetaType::fromType<QTextOption::Tab>())
            return tabValue(variant.value<QTextOption::Tab>());
        return std::nullopt;
    }
}

// A value as the table's kind of it, whatever type it came in, so that reading it back
// finds the kind it expects.
std::optional<Value> valueOfRow(const QVariant& variant, const PropertyRow& row)
{
    const auto listOf = [&](auto convert) -> std::optional<Value> {
        std::vector<Value> list;
        for (const QVariant& item : variant.toList()) {
            std::optional<Value> value = convert(item);
            if (!value)
                return std::nullopt;
            list.push_back(std::move(*value));
        }
        return Value {std::move(list)};
    };
    switch (row.kind) {
    case Kind::Bool:
        return Value {variant.toBool()};
    case Kind::Int:
        return Value {std::int64_t(variant.toInt())};
    case Kind::Real:
        if (const auto value = finite(variant.toDouble()))
            return Value {*value};
        return std::nullopt;
    case Kind::String:
        return Value {ui::toStd(variant.toString())};
    case Kind::Strings:
        return valueOfType(QVariant(variant.toStringList()));
    case Kind::StringOrStrings:
        if (variant.typeId() == QMetaType::QStringList)
            return valueOfType(variant);
        return Value {ui::toStd(variant.toString())};
    case Kind::Colour:
        return colourValue(variant.value<QColor>());
    case Kind::Brush:
        return brushValue(variant.value<QBrush>());
    case Kind::Pen:
        return penValue(variant.value<QPen>());
    case Kind::Length:
        return lengthValue(variant.value<QTextLength>());
    case Kind::Lengths:
        return listOf([](const QVariant& item) { return lengthValue(item.value<QTextLength>()); });
    case Kind::Tabs:
        return listOf(
            [](const QVariant& item) { return tabValue(item.value<QTextOption::Tab>()); });
    case Kind::Enum:
        return word(row.words, variant.toInt());
    case Kind::Flags:
        return flags(row.words, variant.toInt());
    }
    return std::nullopt;
}

// Reading: the file's values as Qt's.

template<typename T>
const T* as(const Value& value)
{
    return std::get_if<T>(&value.data);
}

std::optional<int> wholeNumber(const Value& value)
{
    const auto* number = as<std::int64_t>(value);
    if (!number || *number < std::numeric_limits<int>::min()
        || *number > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(*number);
}

// The value a word names.
std::optional<int> wordValue(std::span<const NamedValue> words, const Value& value)
{
    const auto* word = as<sheetfile::Word>(value);
    if (!word)
        return std::nullopt;
    const auto named = std::find_if(
        words.begin(), words.end(), [&](const NamedValue& n) { return n.word == word->name; });
    return named == words.end() ? std::nullopt : std::optional(named->value);
}

// The value of an enumeration: named by a word, or given as a number.
std::optional<int> namedValue(std::span<const NamedValue> words, const Value& value)
{
    const std::optional<int> number = wholeNumber(value);
    return number ? number : wordValue(words, value);
}

std::optional<int> flagsValue(std::span<const NamedValue> words, const Value& value)
{
    const auto* list = as<std::vector<Value>>(value);
    if (!list)
        return std::nullopt;
    int bits = 0;
    for (const Value& item : *list) {
        const std::optional<int> flag = namedValue(words, item);
        if (!flag)
            return std::nullopt;
        bits |= *flag;
    }
    return bits;
}

std::optional<QColor> colourOf(const Value& value)
{
    if (const auto* colour = as<sheetfile::Colour>(value))
        return QColor::fromRgba64(colour->red, colour->green, colour->blue, colour->alpha);
    if (const auto* word = as<sheetfile::Word>(value); word && word->name == "invalid")
        return QColor();
    return std::nullopt;
}

// The arguments of a compound value of the given name, when it has `count` of them.
const std::vector<Value>* argumentsOf(const Value& value, std::string_view name, std::size_t count)
{
    const auto* compound = as<sheetfile::Call>(value);
    if (!compound || compound->name != name || compound->arguments.size() != count)
        return nullptr;
    return &compound->arguments;
}

std::optional<QBrush> brushOf(const Value& value)
{
    const auto* arguments = argumentsOf(value, "brush", 2);
    if (!arguments)
        return std::nullopt;
    const std::optional<int> style = wordValue(kBrushStyles, (*arguments)[0]);
    const std::optional<QColor> colour = colourOf((*arguments)[1]);
    if (!style || !colour)
        return std::nullopt;
    return QBrush(*colour, Qt::BrushStyle(*style));
}

std::optional<QPen> penOf(const Value& value)
{
    const auto* compound = as<sheetfile::Call>(value);
    if (!compound || compound->name != "pen")
        return std::nullopt;
    const std::vector<Value>& arguments = compound->arguments;
    if (arguments.size() != 7 && arguments.size() != 9)
        return std::nullopt;
    const auto* width = as<double>(arguments[0]);
    const std::optional<QBrush> brush = brushOf(arguments[1]);
    const std::optional<int> style = wordValue(kPenStyles, arguments[2]);
    const std::optional<int> cap = wordValue(kCapStyles, arguments[3]);
    const std::optional<int> join = wordValue(kJoinStyles, arguments[4]);
    const auto* miter = as<double>(arguments[5]);
    const auto* cosmetic = as<bool>(arguments[6]);
    const bool dashed = style == Qt::CustomDashLine;
    if (!width || !brush || !style || !cap || !join || !miter || !cosmetic
        || dashed != (arguments.size() == 9))
        return std::nullopt;
    QPen pen(*brush, *width, Qt::PenStyle(*style), Qt::PenCapStyle(*cap), Qt::PenJoinStyle(*join));
    pen.setMiterLimit(*miter);
    pen.setCosmetic(*cosmetic);
    if (dashed) {
        const auto* dashes = as<std::vector<Value>>(arguments[7]);
        const auto* offset = as<double>(arguments[8]);
        if (!dashes || !offset)
            return std::nullopt;
        QList<qreal> pattern;
        for (const Value& dash : *dashes) {
            const auto* length = as<double>(dash);
            if (!length)
                return std::nullopt;
            pattern.append(*length);
        }
        pen.setDashPattern(pattern);
        pen.setDashOffset(*offset);
    }
    return pen;
}

std::optional<QTextLength> lengthOf(const Value& value)
{
    const auto* arguments = argumentsOf(value, "length", 2);
    if (!arguments)
        return std::nullopt;
    const std::optional<int> lengthType = wordValue(kLengthTypes, (*arguments)[0]);
    const auto* length = as<double>((*arguments)[1]);
    if (!lengthType || !length)
        return std::nullopt;
    return QTextLength(QTextLength::Type(*lengthType), *length);
}

std::optional<QTextOption::Tab> tabOf(const Value& value)
{
    const auto* arguments = argumentsOf(value, "tab", 3);
    if (!arguments)
        return std::nullopt;
    const auto* position = as<double>((*arguments)[0]);
    const std::optional<int> type = wordValue(kTabTypes, (*arguments)[1]);
    const auto* delimiter = as<std::string>((*arguments)[2]);
    const QString delimiterText = delimiter ? QString::fromStdString(*delimiter) : QString();
    if (!position || !type || delimiterText.size() != 1)
        return std::nullopt;
    return QTextOption::Tab(*position, QTextOption::TabType(*type), delimiterText.front());
}

std::optional<QStringList> stringsOf(const Value& value)
{
    const auto* list = as<std::vector<Value>>(value);
    if (!list)
        return std::nullopt;
    QStringList strings;
    for (const Value& item : *list) {
        const auto* text = as<std::string>(item);
        if (!text)
            return std::nullopt;
        strings.append(QString::fromStdString(*text));
    }
    return strings;
}

template<typename T>
std::optional<QVariant> variant(const std::optional<T>& value)
{
    return value ? std::optional(QVariant::fromValue(*value)) : std::nullopt;
}

// A value of a property outside the table, by its own form: whole numbers as int where they
// fit, lists of strings as QStringList and other lists as QVariantList, as Qt keeps them.
std::optional<QVariant> variantOfForm(const Value& value)
{
    if (const auto* b = as<bool>(value))
        return QVariant(*b);
    if (const auto* n = as<std::int64_t>(value)) {
        if (*n >= std::numeric_limits<int>::min() && *n <= std::numeric_limits<int>::max())
            return QVariant(int(*n));
        return QVariant(qlonglong(*n));
    }
    if (const auto* x = as<double>(value))
        return QVariant(*x);
    if (const auto* text = as<std::string>(value))
        return QVariant(QString::fromStdString(*text));
    if (as<sheetfile::Colour>(value) || as<sheetfile::Word>(value))
        return variant(colourOf(value));
    if (const auto* list = as<std::vector<Value>>(value)) {
        if (!list->empty() && std::all_of(list->begin(), list->end(), [](const Value& item) {
                return as<std::string>(item) != nullptr;
            }))
            return variant(stringsOf(value));
        QVariantList items;
        for (const Value& item : *list) {
            std::optional<QVariant> converted = variantOfForm(item);
            if (!converted)
                return std::nullopt;
            items.append(*converted);
        }
        return QVariant(items);
    }
    const std::string& name = std::get<sheetfile::Call>(value.data).name;
    if (name == "brush")
        return variant(brushOf(value));
    if (name == "pen")
        return variant(penOf(value));
    if (name == "length")
        return variant(lengthOf(value));
    if (name == "tab")
        return variant(tabOf(value));
    return std::nullopt;
}

std::optional<QVariant> variantOfRow(const Value& value, const PropertyRow& row)
{
    switch (row.kind) {
    case Kind::Bool:
        return as<bool>(value) ? variantOfForm(value) : std::nullopt;
    case Kind::Int:
    case Kind::Enum: {
        const std::optional<int> number
            = row.kind == Kind::Enum ? namedValue(row.words, value) : wholeNumber(value);
        return number ? std::optional(QVariant(*number)) : std::nullopt;
    }
    case Kind::Flags: {
        const std::optional<int> bits = flagsValue(row.words, value);
        return bits ? std::optional(QVariant(*bits)) : std::nullopt;
    }
    case Kind::Real:
        return as<double>(value) ? variantOfForm(value) : std::nullopt;
    case Kind::String:
        return as<std::string>(value) ? variantOfForm(value) : std::nullopt;
    case Kind::Strings:
        return variant(stringsOf(value));
    case Kind::StringOrStrings:
        return as<std::string>(value) ? variantOfForm(value) : variant(stringsOf(value));
    case Kind::Colour:
        return variant(colourOf(value));
    case Kind::Brush:
        return variant(brushOf(value));
    case Kind::Pen:
        return variant(penOf(value));
    case Kind::Length:
        return variant(lengthOf(value));
    case Kind::Lengths:
    case Kind::Tabs: {
        const auto* list = as<std::vector<Value>>(value);
        if (!list)
            return std::nullopt;
        QVariantList items;
        for (const Value& item : *list) {
            std::optional<QVariant> converted
                = row.kind == Kind::Lengths ? variant(lengthOf(item)) : variant(tabOf(item));
            if (!converted)
                return std::nullopt;
            items.append(*converted);
        }
        return QVariant(items);
    }
    }
    return std::nullopt;
}

} // namespace

sheetfile::FormatKind sheetFormatKind(const QTextFormat& format)
{
    switch (format.type()) {
    case QTextFormat::BlockFormat:
        return sheetfile::FormatKind::Block;
    case QTextFormat::ListFormat:
        return sheetfile::FormatKind::List;
    case QTextFormat::FrameFormat:
        return sheetfile::FormatKind::Frame;
    default:
        return sheetfile::FormatKind::Char;
    }
}

std::vector<sheetfile::Property> sheetProperties(const QTextFormat& format)
{
    std::vector<sheetfile::Property> properties;
    const QMap<int, QVariant> all = format.properties();
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it.key() == QTextFormat::ObjectIndex)
            continue;
        const PropertyRow* row = rowOf(it.key());
        std::optional<Value> value = row ? valueOfRow(it.value(), *row) : valueOfType(it.value());
        if (!value)
            continue;
        std::string name = row ? std::string(row->name)
                               : std::string(kNumberedPrefix) + std::to_string(it.key());
        properties.push_back({std::move(name), std::move(*value)});
    }
    return properties;
}

std::variant<QTextFormat, QString> textFormat(sheetfile::FormatKind kind,
    const std::vector<sheetfile::Property>& properties, bool skipUnknown)
{
    static constexpr QTextFormat::FormatType kTypes[] = {QTextFormat::BlockFormat,
        QTextFormat::CharFormat, QTextFormat::ListFormat, QTextFormat::FrameFormat};
    QTextFormat format(kTypes[static_cast<int>(kind)]);
    for (const sheetfile::Property& property : properties) {
        const PropertyRow* row = rowNamed(property.name);
        const std::optional<int> numbered = row ? std::nullopt : numberedProperty(property.name);
        if (!row && !numbered) {
            if (skipUnknown)
                continue;
            return QStringLiteral("“%1” is no property this version of Tavilon knows")
                .arg(QString::fromStdString(property.name));
        }
        const std::optional<QVariant> value
            = row ? variantOfRow(property.value, *row) : variantOfForm(property.value);
        if (!value) {
            return QStringLiteral("the value of “%1” is not of its kind")
                .arg(QString::fromStdString(property.name));
        }
        format.setProperty(row ? row->id : *numbered, *value);
    }
    return format;
}
