#include "engine/State.h"

TProcessState& Shared() {
    static TProcessState state;
    return state;
}

void ResetShared() {
    Shared() = TProcessState{};
}
