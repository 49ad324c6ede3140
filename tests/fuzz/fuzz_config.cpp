// The whole load of Termora.ini from a file: whatever the bytes, the load returns with the
// lists it could read.
#include "FuzzSupport.h"
#include "config/Uconfig.h"
#include "engine/State.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte decides whether the preferred font is installed.
    const bool fontInstalled = size > 0 && (data[0] & 1);
    WriteFile(QStringLiteral("Termora.ini"), Bytes(data, size));
    LoadConfiguration(RunDir().path(), [&](const QString&) { return fontInstalled; });
    const TProcessState& state = Shared();
    // A load that stopped before the claddings has none; otherwise "None" comes first.
    const auto& claddings = state.ReferenceLists.Claddings;
    Require(claddings.empty() || claddings.front().Name == "None",
            "the cladding \"None\" comes first");
    return 0;
}
