#include "apparatus_state.h"

namespace korvane {

void initialiseApparatus(ApparatusState &state)
{
    state.PlateSeparation = constants::PlateSeparation;
    state.Polarity = +1;
    state.PlateTop = constants::PlateTop;
    state.PlateGap = constants::PlateGap;
    state.DropCount = 0;
    state.StopwatchRunning = false;
    // Slot 1 never has a gone predecessor: the step's exchange starts at slot 2.
    state.AirDensity = constants::AirDensity;
    state.OilDensity = constants::OilDensity;
    state.AirViscosity = constants::AirViscosity;
    state.ZoomDragging = false;
}

} // namespace korvane
