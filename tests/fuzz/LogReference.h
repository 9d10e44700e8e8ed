// A second, deliberately plain reading of the log format, written only to check the product's
// parse against: it shares no code with it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct RefRecord
{
    std::string date;
    std::string time;
    std::string temp;
    unsigned char alarm1 = 0;
    unsigned char alarm2 = 0;
    std::string alarmText;
};

struct RefOutcome
{
    std::vector<RefRecord> records;
    bool stoppedAtBadHeader = false;
    size_t badHeaderOffset = 0;        // where the invalid header starts, when stopped
    int interval = 0;                  // the interval in force when the reading ended
    std::string earliest = "9999";
    std::string latest = "0000";
};

// interval: the interval left by an earlier load, used for data before the first header.
RefOutcome ReadLogForReference(const unsigned char* data, size_t size, int interval);

std::string ReferenceAlarmText(unsigned char alarm1, unsigned char alarm2);
std::string ReferenceTitle(const std::string& caption, const RefOutcome& outcome);
