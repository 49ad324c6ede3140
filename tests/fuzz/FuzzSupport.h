#pragma once
// What every harness shares: a verdict that stops the run, and input bytes as files.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A broken invariant is a finding like a crash: libFuzzer saves the input that caused it.
inline void Require(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline QByteArray Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// One directory for the whole run; each input overwrites the files it needs.
inline const QTemporaryDir& RunDir() {
    static const QTemporaryDir dir;
    return dir;
}

inline void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(RunDir().filePath(name));
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(bytes) == bytes.size(),
            "the input file can be written");
}

// Takes a float from the front of the input (zero when too short).
inline float TakeFloat(const uint8_t*& data, size_t& size) {
    float value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    }
    return value;
}
