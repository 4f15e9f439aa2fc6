#pragma once
// Everything outside the rules that the engine reaches, in one bundle.

#include "engine/BoardPort.h"
#include "engine/NeighbourPorts.h"
#include "engine/ServicePorts.h"

namespace zarle {

struct EnginePorts {
    BoardPort& Board;
    SoundPort& Sound;
    WaitPort& Waiter;
    MessageBoxPort& Box;
    RandomPort& Random;
    OpponentsPort& Opponents;
    PersistencePort& Persistence;
    NetworkPort& Net;
};

} // namespace zarle
