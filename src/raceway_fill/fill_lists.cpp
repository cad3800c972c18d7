#include "raceway_fill/fill_lists.h"

#include "ui/number_locale.h"
#include "ui/widgets.h"

#include <QComboBox>

namespace fill_lists {

namespace {

// The sizes a raceway is filled with: 18 and 16 AWG are fixture and control wires,
// which the tools do not offer.
constexpr nec::ConductorSize kSmallestSize = nec::ConductorSize::Awg14;

QComboBox* list(const QString& name, const QList<std::pair<QString, int>>& items, int chosen,
    const QString& accessibleName, const QString& toolTip, QWidget* parent)
{
    QComboBox* list = ui::fixedList(name, items, chosen, parent);
    list->setAccessibleName(accessibleName);
    list->setToolTip(toolTip);
    return list;
}

} // namespace

QComboBox* sizeList(const QString& name, const QString& accessibleName, QWidget* parent)
{
    QList<std::pair<QString, int>> sizes;
    for (nec::ConductorSize size : nec::AllConductorSizes()) {
        if (size >= kSmallestSize)
            sizes.append({ui::fromStd(nec::SizeName(size)), nec::SizeIndex(size)});
    }
    return list(name, sizes, nec::SizeIndex(kFirstSize), accessibleName,
        QStringLiteral("The conductor size, as Chapter 9 Tables 5 and 8 name it"), parent);
}

QComboBox* insulationList(const QString& name, const QString& accessibleName, QWidget* parent)
{
    QList<std::pair<QString, int>> insulations;
    for (nec::Insulation insulation : nec::kAllInsulations)
        insulations.append({ui::fromStd(nec::InsulationName(insulation)), int(insulation)});
    return list(name, insulations, int(nec::kAllInsulations.front()), accessibleName,
        QStringLiteral("The insulation, whose area Chapter 9 Table 5 gives; a bare conductor "
                       "takes its stranded diameter from Table 8"),
        parent);
}

QComboBox* racewayList(const QString& name, const QString& accessibleName, QWidget* parent)
{
    QList<std::pair<QString, int>> raceways;
    for (nec::RacewayType type : nec::kAllRacewayTypes)
        raceways.append({ui::fromStd(nec::RacewayTypeName(type)), int(type)});
    return list(name, raceways, int(nec::kAllRacewayTypes.front()), accessibleName,
        QStringLiteral("The raceway type, with its trade sizes from Chapter 9 Table 4"), parent);
}

void select(QComboBox* list, nec::ConductorSize size)
{
    ui::chooseValue(list, nec::SizeIndex(size));
}

void select(QComboBox* list, nec::Insulation insulation)
{
    ui::chooseValue(list, int(insulation));
}

nec::ConductorSize sizeOf(const QComboBox* list)
{
    return ui::chosen<nec::ConductorSize>(list);
}

nec::Insulation insulationOf(const QComboBox* list)
{
    return ui::chosen<nec::Insulation>(list);
}

nec::RacewayType racewayOf(const QComboBox* list)
{
    return ui::chosen<nec::RacewayType>(list);
}

} // namespace fill_lists
