// Generated logs of every shape the controller writes: all kinds, intervals from 1 to 60
// minutes, restarts, a clock set back, daylight-saving days in zones that have them.
#pragma once

#include "tools/loggen/LogGenerator.h"

#include <string>
#include <vector>

struct Shape
{
    const char* name;
    const char* zone;
    loggen::LogOptions options;
};

inline loggen::LogOptions Options(int kind, loggen::CivilTime start, int days, int interval, uint64_t seed,
                           bool restarts, int setBack = 0, bool malformedTail = false)
{
    loggen::LogOptions o;
    o.nKind = kind;
    o.start = start;
    o.nDays = days;
    o.nInterval = interval;
    o.nSeed = seed;
    o.bEvents = true;
    o.bBlackouts = restarts;
    o.nClockSetBackMinutes = setBack;
    o.bMalformedTail = malformedTail;
    return o;
}

inline std::vector<Shape> Shapes()
{
    std::vector<Shape> shapes;
    for (int kind = 1; kind <= 3; ++kind) {
        for (int interval = 1; interval <= 60; ++interval) {
            const uint64_t seed = kind * 100 + interval;
            shapes.push_back({"steady", "UTC", Options(kind, {2023, 5, 15, 8, 30}, 9, interval, seed, false)});
            shapes.push_back({"restarts", "UTC", Options(kind, {2023, 12, 27, 0, 0}, 40, interval, seed, true)});
            shapes.push_back(
                {"clock set back", "UTC", Options(kind, {2024, 2, 26, 23, 0}, 8, interval, seed, true, 2 * 1440 + 17)});
            shapes.push_back({"spring forward", "Europe/Berlin",
                              Options(kind, {2023, 3, 24, 0, 0}, 5, interval, seed, true, 0, true)});
            shapes.push_back({"fall back", "Europe/Berlin", Options(kind, {2023, 10, 27, 1, 59}, 5, interval, seed, false)});
            shapes.push_back({"southern zone", "America/Sao_Paulo",
                              Options(kind, {2018, 11, 2, 22, 0}, 4, interval, seed, true, 90, true)});
        }
    }
    return shapes;
}

inline std::string Describe(const Shape& shape)
{
    return std::string(shape.name) + " in " + shape.zone + ", kind " + std::to_string(shape.options.nKind) +
           ", interval " + std::to_string(shape.options.nInterval);
}

