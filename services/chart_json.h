#pragma once
// The whole chart as JSON (UTF-8), the form `velmora-cli reading bazi --json`
// prints and `GET /api/bazi` answers; README.md documents the schema. Times
// are "yyyy-mm-dd HH:MM:SS", names are the Chinese words the pages print.

#include <string>

#include "readings/bazi_chart.h"

namespace velmora::services {

// The chart as one JSON document, indented by two spaces (UTF-8).
std::string ChartJson(const BaziChart& chart);

// {"error": {"field": FIELD, "message": MESSAGE}} (UTF-8 in and out; the field may be empty).
std::string JsonError(const std::string& field, const std::string& message);

}  // namespace velmora::services
