#pragma once

#include <string>

namespace velmora {

// The western star sign of a civil month and day, with the boundaries the
// readings use (水瓶座 from 01-20, 摩羯座 from 12-22); empty for no such day.
std::string StarSignOfDate(int month, int day);

}  // namespace velmora
