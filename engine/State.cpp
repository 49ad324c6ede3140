#include "engine/State.h"

namespace {
TProcessState& Instance() {
    static TProcessState state;
    return state;
}
} // namespace

TProcessState& Shared() {
    return Instance();
}

void ResetShared() {
    Instance() = TProcessState{};
}
