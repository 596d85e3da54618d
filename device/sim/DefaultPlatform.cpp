#include "SimulatedInstrument.h"

// Kept apart from the simulated bus, so that a program can link the bus next to a real platform.
HidPlatform& DefaultHidPlatform()
{
    return SimulatedInstrument::demo();
}
