#pragma once
// The whole chart as JSON (UTF-8), the form `velmora-cli reading bazi --json`
// prints and `GET /api/bazi` answers; README.md documents the schema. Times
// are "yyyy-mm-dd HH:MM:SS", names are the Chinese words the pages print.

#include <string>

#include "readings/bazi_chart.h"

namespace velmora::services {

// The chart as one JSON document (UTF-8), indented by `indent` spaces, or on
// one line when it is negative (the service's form: a third of the bytes).
std::string ChartJson(const BaziChart& chart, int indent = 2);

// {"error": {"field": FIELD, "message": MESSAGE}} (UTF-8 in and out; the field may be empty).
std::string JsonError(const std::string& field, const std::string& message);

}  // namespace velmora::services
