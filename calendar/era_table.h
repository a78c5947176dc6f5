#pragma once
// Chinese dynasties, rulers and reign eras from the Xia to 1948.

#include <string>

namespace velmora {

// Rows "start,years,offset,dynasty,title,personal name,era" in table order.
int EraRowCount();
const std::string& EraRow(int index);

// Such as "[清]圣祖 爱新觉罗玄烨 康熙元年"; empty from 1949 on and before -2069.
std::string EraTextOfYear(int year);

}  // namespace velmora
