#include "raceway_fill/fill_lists.h"

#include <QComboBox>

namespace fill_lists {

namespace {

// The sizes a raceway is filled with: 18 and 16 AWG are fixture and control wires,
// which the tools do not offer.
constexpr nec::ConductorSize kSmallestSize = nec::ConductorSize::Awg14;

QString text(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QComboBox* list(
    const QString& name, const QString& accessibleName, const QString& toolTip, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setToolTip(toolTip);
    return list;
}

template<typename Choice>
Choice choiceOf(const QComboBox* list)
{
    return static_cast<Choice>(list->currentData().toInt());
}

} // namespace

QComboBox* sizeList(const QString& name, const QString& accessibleName, QWidget* parent)
{
    QComboBox* sizes = list(name, accessibleName,
        QStringLiteral("The conductor size, as Chapter 9 Tables 5 and 8 name it"), parent);
    for (nec::ConductorSize size : nec::AllConductorSizes()) {
        if (size >= kSmallestSize)
            sizes->addItem(text(nec::SizeName(size)), nec::SizeIndex(size));
    }
    select(sizes, kFirstSize);
    return sizes;
}

QComboBox* insulationList(const QString& name, const QString& accessibleName, QWidget* parent)
{
    QComboBox* insulations = list(name, accessibleName,
        QStringLiteral("The insulation, whose area Chapter 9 Table 5 gives; a bare conductor "
                       "takes its stranded diameter from Table 8"),
        parent);
    for (nec::Insulation insulation : nec::kAllInsulations)
        insulations->addItem(text(nec::InsulationName(insulation)), static_cast<int>(insulation));
    return insulations;
}

QComboBox* racewayList(const QString& name, const QString& accessibleName, QWidget* parent)
{
    QComboBox* raceways = list(name, accessibleName,
        QStringLiteral("The raceway type, with its trade sizes from Chapter 9 Table 4"), parent);
    for (nec::RacewayType type : nec::kAllRacewayTypes)
        raceways->addItem(text(nec::RacewayTypeName(type)), static_cast<int>(type));
    return raceways;
}

void select(QComboBox* list, nec::ConductorSize size)
{
    list->setCurrentIndex(list->findData(nec::SizeIndex(size)));
}

void select(QComboBox* list, nec::Insulation insulation)
{
    list->setCurrentIndex(list->findData(static_cast<int>(insulation)));
}

nec::ConductorSize sizeOf(const QComboBox* list)
{
    return choiceOf<nec::ConductorSize>(list);
}

nec::Insulation insulationOf(const QComboBox* list)
{
    return choiceOf<nec::Insulation>(list);
}

nec::RacewayType racewayOf(const QComboBox* list)
{
    return choiceOf<nec::RacewayType>(list);
}

} // namespace fill_lists
