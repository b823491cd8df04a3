#pragma once
// The engine's planes as bytes: values in walking order (x outer, y inner),
// little-endian 32-bit signed integers or IEEE 64-bit reals.

#include <QByteArray>

#include <array>

struct NamedPlane {
    const char* name;
    QByteArray (*bytes)();
};

// The eight planes in the order in which the tool reports them.
const std::array<NamedPlane, 8>& EnginePlanes();
