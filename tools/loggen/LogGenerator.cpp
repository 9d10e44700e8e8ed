// Simulates a cold-storage unit minute by minute and writes what its controller would log.
#include "tools/loggen/LogGenerator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace loggen {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (era arithmetic, valid for any year).
int64_t DaysFromCivil(int64_t y, int m, int d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// splitmix64: small, fast and the same everywhere, so a seed always gives the same log.
class Random {
public:
    explicit Random(uint64_t nSeed) : m_nState(nSeed) {}
    uint64_t Next()
    {
        uint64_t z = (m_nState += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Uniform() { return (Next() >> 11) * (1.0 / 9007199254740992.0); }
    bool Chance(double p) { return Uniform() < p; }
    int Between(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1)); }
    double Noise(double sigma) { return (Uniform() + Uniform() + Uniform() - 1.5) * 2.0 * sigma; }

private:
    uint64_t m_nState;
};

struct KindProfile {
    double dSetpoint;     // controller target, degrees
    double dBand;         // thermostat half band
    double dWarmRate;     // degrees per minute with the compressor off
    double dCoolRate;     // degrees per minute with the compressor on
    double dDoorRate;     // extra warming per minute with the door open
    double dHighLimit;    // high temperature alarm above this
    double dLowLimit;     // low temperature alarm below this
    double dAmbient;      // what the cabinet drifts towards without power
};

const KindProfile& ProfileOf(int nKind)
{
    static const KindProfile ult{-80.0, 1.5, 0.06, 0.20, 2.5, -70.0, -90.0, 22.0};
    static const KindProfile freezer{-20.0, 1.0, 0.05, 0.15, 1.2, -12.0, -30.0, 22.0};
    static const KindProfile fridge{4.0, 1.0, 0.04, 0.10, 0.6, 8.0, 1.0, 22.0};
    switch (nKind) {
    case 2: return freezer;
    case 3: return fridge;
    default: return ult;
    }
}

enum : uint8_t {
    HighTemp = 0x01, LowTemp = 0x02, CompStuckOn = 0x04, CompNoCooling = 0x08, Blackout = 0x10,
};

class Simulator {
public:
    Simulator(const LogOptions& options)
        : m_options(options), m_profile(ProfileOf(options.nKind)), m_random(options.nSeed),
          m_dTemp(m_profile.dSetpoint), m_nClock(MinutesFromCivil(options.start))
    {
    }

    GeneratedLog Run()
    {
        const int64_t nTotal = static_cast<int64_t>(m_options.nDays) * 1440;
        const int nInterval = std::max(1, m_options.nInterval);
        const int64_t nSetBackAt = nTotal / 2;
        WriteHeader();
        for (int64_t nMinute = 0; nMinute < nTotal; ++nMinute) {
            if (m_options.nClockSetBackMinutes > 0 && nMinute == nSetBackAt) {
                m_nClock -= m_options.nClockSetBackMinutes;
                m_nSinceLastReading = nInterval;
                WriteHeader();
            }
            if (m_nPowerOffLeft > 0) {
                PowerOffMinute();
                continue;
            }
            if (m_nSinceLastReading >= nInterval || nMinute == 0) {
                WriteReading();
                m_nSinceLastReading = 0;
            }
            StartEvents();
            PowerOnMinute();
            ++m_nClock;
            ++m_nSinceLastReading;
        }
        if (m_options.bMalformedTail)
            WriteMalformedTail();
        return std::move(m_log);
    }

private:
    void PowerOnMinute()
    {
        const bool bCooling = m_nCompFault == CompStuckOn || (m_bCompressorOn && m_nCompFault != CompNoCooling);
        // The refrigeration circuit cannot pull the cabinet below its floor, stuck on or not.
        const double dFloor = m_profile.dSetpoint - 12.0;
        m_dTemp = bCooling ? std::max(dFloor, m_dTemp - m_profile.dCoolRate) : m_dTemp + m_profile.dWarmRate;
        if (m_nDoorLeft > 0) {
            m_dTemp += m_profile.dDoorRate;
            --m_nDoorLeft;
        }
        m_dTemp += m_random.Noise(0.05);
        if (m_dTemp > m_profile.dSetpoint + m_profile.dBand)
            m_bCompressorOn = true;
        else if (m_dTemp < m_profile.dSetpoint - m_profile.dBand)
            m_bCompressorOn = false;
        if (m_nCompFaultLeft > 0 && --m_nCompFaultLeft == 0)
            m_nCompFault = 0;
        if (m_nSensorFaultLeft > 0)
            --m_nSensorFaultLeft;
        if (m_nBlackoutFlagLeft > 0)
            --m_nBlackoutFlagLeft;
    }

    void PowerOffMinute()
    {
        m_dTemp += (m_profile.dAmbient - m_dTemp) * 0.004;
        ++m_nClock;  // the controller's clock runs on its battery
        if (--m_nPowerOffLeft == 0) {
            m_nBlackoutFlagLeft = 30 + m_random.Between(0, 60);
            m_nSinceLastReading = 0;
            WriteHeader();
            WriteReading();
        }
    }

    void StartEvents()
    {
        if (!m_options.bEvents && !m_options.bBlackouts)
            return;
        const int nHourOfDay = static_cast<int>(FloorDiv(m_nClock, 60) % 24);
        if (m_options.bEvents) {
            if (m_nDoorLeft == 0 && nHourOfDay >= 8 && nHourOfDay < 18 && m_random.Chance(1.0 / 90))
                m_nDoorLeft = m_random.Between(1, 4);
            if (m_nCompFault == 0 && m_random.Chance(0.08 / 1440)) {
                m_nCompFault = m_random.Chance(0.5) ? CompStuckOn : CompNoCooling;
                m_nCompFaultLeft = m_random.Between(60, 300);
            }
            if (m_nSensorFaultLeft == 0 && m_random.Chance(0.02 / 1440))
                m_nSensorFaultLeft = m_random.Between(5, 30);
        }
        if (m_options.bBlackouts && m_random.Chance(0.03 / 1440))
            m_nPowerOffLeft = m_random.Between(10, 360);
    }

    uint8_t AlarmByte2() const
    {
        uint8_t by = m_nCompFault;
        if (m_dTemp > m_profile.dHighLimit)
            by |= HighTemp;
        if (m_dTemp < m_profile.dLowLimit)
            by |= LowTemp;
        if (m_nBlackoutFlagLeft > 0)
            by |= Blackout;
        return by;
    }

    void WriteReading()
    {
        // An open probe reads as the bottom of the scale and raises the sensor byte.
        const bool bSensorFault = m_nSensorFaultLeft > 0;
        double dShown = bSensorFault ? -199.9 : std::clamp(m_dTemp, -199.9, 999.9);
        const int nTenths = static_cast<int>(std::lround(dShown * 10.0));
        const uint8_t byAlarm1 = bSensorFault ? 0x01 : 0x00;
        const uint8_t byAlarm2 = AlarmByte2();
        m_log.bytes += DataBytes(nTenths, byAlarm1, byAlarm2);
        ++m_log.nRecords;
        if (m_options.bKeepRecords)
            m_log.records.push_back({m_nClock, nTenths, byAlarm1, byAlarm2});
    }

    void WriteHeader()
    {
        m_log.bytes += HeaderBytes(CivilFromMinutes(m_nClock), m_options.nInterval);
        ++m_log.nHeaders;
    }

    void WriteMalformedTail()
    {
        if (m_random.Chance(0.5))
            m_log.bytes += HeaderBytes(CivilFromMinutes(m_nClock), m_options.nInterval).substr(0, m_random.Between(1, 12));
        else
            m_log.bytes += DataBytes(-123, 0, 0).substr(0, m_random.Between(1, 9));
    }

    const LogOptions& m_options;
    const KindProfile& m_profile;
    Random m_random;
    GeneratedLog m_log;
    double m_dTemp;
    int64_t m_nClock;
    int m_nSinceLastReading = 0;
    bool m_bCompressorOn = false;
    int m_nDoorLeft = 0;
    uint8_t m_nCompFault = 0;
    int m_nCompFaultLeft = 0;
    int m_nSensorFaultLeft = 0;
    int m_nPowerOffLeft = 0;
    int m_nBlackoutFlagLeft = 0;
};

}  // namespace

int64_t MinutesFromCivil(const CivilTime& t)
{
    return (DaysFromCivil(t.nYear, t.nMonth, t.nDay) * 24 + t.nHour) * 60 + t.nMinute;
}

CivilTime CivilFromMinutes(int64_t nMinutes)
{
    CivilTime t;
    const int64_t nDays = FloorDiv(nMinutes, 1440);
    const int64_t nOfDay = nMinutes - nDays * 1440;
    CivilFromDays(nDays, t.nYear, t.nMonth, t.nDay);
    t.nHour = static_cast<int>(nOfDay / 60);
    t.nMinute = static_cast<int>(nOfDay % 60);
    return t;
}

GeneratedLog GenerateLog(const LogOptions& options)
{
    return Simulator(options).Run();
}

std::string DateText(int64_t nClockMinutes)
{
    const CivilTime t = CivilFromMinutes(nClockMinutes);
    char sz[32];
    std::snprintf(sz, sizeof sz, "%04d-%02d-%02d", t.nYear, t.nMonth, t.nDay);
    return sz;
}

std::string TimeText(int64_t nClockMinutes)
{
    const CivilTime t = CivilFromMinutes(nClockMinutes);
    char sz[16];
    std::snprintf(sz, sizeof sz, "%02d:%02d", t.nHour, t.nMinute);
    return sz;
}

std::string TempText(int nTenths)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "%.1f", static_cast<double>(static_cast<float>(nTenths / 10.0)));
    return sz;
}

std::string HeaderBytes(const CivilTime& t, int nInterval)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "T%02d%02d%02d%02d%02d%02d", (t.nYear - 2000) % 100, t.nMonth, t.nDay,
                  t.nHour, t.nMinute, nInterval % 100);
    return std::string(sz, 13);
}

std::string DataBytes(int nTenths, uint8_t byAlarm1, uint8_t byAlarm2)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "%c%03d.%d%02X%02X", nTenths < 0 ? '-' : '+', std::abs(nTenths) / 10,
                  std::abs(nTenths) % 10, byAlarm1, byAlarm2);
    return std::string(sz, 10);
}

}  // namespace loggen
