// The product's parse, alarm text and product line, with their results in the reference's shape.
#pragma once

#include "LogReference.h"

#include <cstddef>
#include <string>

// Runs the product's parse over exactly size bytes (no terminator after them), starting from
// the interval an earlier load left.
RefOutcome RunProductParse(const unsigned char* data, size_t size, int interval);
std::string ProductAlarmText(unsigned char alarm1, unsigned char alarm2);
std::string ProductTitle(const std::string& caption, const std::string& earliest, const std::string& latest);
