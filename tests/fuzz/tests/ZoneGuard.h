// Sets the process's time zone for one test and puts the previous one back.
#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

class ZoneGuard
{
public:
    explicit ZoneGuard(const char* zone)
    {
        const char* previous = std::getenv("TZ");
        m_hadZone = previous != nullptr;
        if (previous)
            m_previous = previous;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneGuard()
    {
        if (m_hadZone)
            setenv("TZ", m_previous.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ZoneGuard(const ZoneGuard&) = delete;
    ZoneGuard& operator=(const ZoneGuard&) = delete;

private:
    bool m_hadZone = false;
    std::string m_previous;
};
