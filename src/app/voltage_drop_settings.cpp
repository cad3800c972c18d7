#include "app/voltage_drop_settings.h"

void VoltageDropSettings::fillUnsetDefaults()
{
    if (PowerFactor == 0)
        PowerFactor = 100;
    if (SetsPerPhase < 1)
        SetsPerPhase = 1;
    if (TempRating.empty())
        TempRating = "75 C";
    if (WireMaterial.empty())
        WireMaterial = "cooper";
    if (ConduitType.empty())
        ConduitType = "Steel";
}
