#include "conduit/conduit_sizer_page.h"

ConduitSizerPage::ConduitSizerPage(QWidget* parent)
    : QWidget(parent)
{ }
