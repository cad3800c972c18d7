#pragma once

// The lists of the Raceway Fill window, each holding the engine's choices in the order
// and with the names the tables give them: conductor sizes from 14 AWG to 2000 kcmil,
// the insulations (Bare among them), the raceway types of Chapter 9 Table 4.

#include "nec/choices.h"
#include "nec/conductor_size.h"

#include <QString>

class QComboBox;
class QWidget;

namespace fill_lists {

// The size a new or cleared row starts with.
inline constexpr nec::ConductorSize kFirstSize = nec::ConductorSize::Awg12;

QComboBox* sizeList(const QString& name, const QString& accessibleName, QWidget* parent);
QComboBox* insulationList(const QString& name, const QString& accessibleName, QWidget* parent);
QComboBox* racewayList(const QString& name, const QString& accessibleName, QWidget* parent);

// Selects the item that holds this choice.
void select(QComboBox* list, nec::ConductorSize size);
void select(QComboBox* list, nec::Insulation insulation);

nec::ConductorSize sizeOf(const QComboBox* list);
nec::Insulation insulationOf(const QComboBox* list);
nec::RacewayType racewayOf(const QComboBox* list);

} // namespace fill_lists
