#include "fault/short_circuit_page.h"

ShortCircuitPage::ShortCircuitPage(QWidget* parent)
    : QWidget(parent)
{ }

void ShortCircuitPage::movePanelHome() { }
