#pragma once
// Everything outside the rules that the engine reaches, in one bundle.

#include "BoardPort.h"
#include "NeighbourPorts.h"
#include "ServicePorts.h"

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
