#pragma once
// The project file: JSON, extension ".termora", "format": "termora-project", "version": 1, or 2
// where a line is a duct or a sphere or has fixed layers, which a reader of version 1 would
// compute as a single layer, or 3 where installed costs or life economics are kept, which an
// older reader would drop (docs/project-format.md). Inputs only; results are recomputed when
// a file is opened.
#include <QByteArray>
#include <QString>
#include <optional>

#include "project/Project.h"

inline constexpr const char* kProjectFormat = "termora-project";
inline constexpr int kProjectVersion = 3;
// The version a project is written with: the lowest that keeps everything it holds.
int ProjectVersionOf(const Project& project);
inline constexpr const char* kProjectSuffix = "termora";

// A project read, or why not: exactly one of the two is set.
struct ProjectReading {
    std::optional<Project> Read;
    QString Error;
};

// The file's bytes: UTF-8 JSON, indented, keys in a fixed order, numbers as the shortest text
// of their 32-bit value, a final newline. The same project always gives the same bytes.
QByteArray ProjectToJson(const Project& project);

// Reads the bytes of a file. Refused with a message naming the fault: a damaged file (line
// and column of the JSON error), another format, a newer version, a value of the wrong type
// or beyond a float (with the line number in the list).
ProjectReading ProjectFromJson(const QByteArray& bytes);

// Reads a file; a file that cannot be opened is refused with its name and the reason.
ProjectReading LoadProject(const QString& fileName);

// Writes atomically: the previous file stays intact when anything fails. Returns "" when
// written, otherwise the message to show.
QString SaveProject(const Project& project, const QString& fileName);

// Writes bytes to a file atomically (the CSV and PDF outputs too); "" when written, otherwise
// the message to show.
QString WriteFileAtomically(const QString& fileName, const QByteArray& bytes);
