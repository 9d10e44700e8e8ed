// Compares two readings of one log; an empty result means they agree.
#pragma once

#include "LogReference.h"

#include <string>

std::string DescribeDisagreement(const RefOutcome& expected, const RefOutcome& actual);
