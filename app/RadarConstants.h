// The radar chart's minute slots, shared by the search that fills them and the chart that draws them.
#pragma once

constexpr int RADAR_MINUTES = 10080;        // minutes of seven days
constexpr float RADAR_NO_VALUE = 10000.0f;  // a minute slot without a reading
