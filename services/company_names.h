#pragma once
// Company names (字号) proposed for a founder: two or three characters of the
// reviewed list (company_name_characters: 汉字, 五行, 行业 as short trade names
// of company_trades or 各业, 字义), every one suiting the trade and at least
// one of them named for that trade itself (not only 各业), whose total 康熙
// strokes are 吉 in the 81 numbers. In one name no character repeats, no two
// read alike or share a radical, and no run of them is or reads like a word
// of the stop list; no proposal is another's characters in another order,
// and a character appears in at most two proposals. Names whose every
// character is of the element born of the founder's surname (the element of
// its stroke count: 木生火, 火生土, 土生金, 金生水, 水生木) come first, then
// names of that element and the surname's own, then the others. The reason
// given for each name is made of its own characters. Texts are GBK.

#include <string>
#include <vector>

#include "services/sources.h"

namespace velmora::services {

inline constexpr int kCompanyProposals = 24;

struct CompanyRequest {
  std::string surname;  // one character, or two of a compound surname
  std::string trade;    // one of company_trades' 行业
  int length = 2;       // 2 or 3
};

struct ProposedCompanyName {
  std::string name;
  int strokes = 0;
  std::string verdict;  // of the total strokes
  std::string reason;   // one line
};

// The trades in their table order (the full names).
std::vector<std::string> CompanyTrades(const Sources& sources);
// The element of the surname's strokes (both characters of a compound
// surname); empty when a count is unknown.
std::string SurnameElement(const Sources& sources, const std::string& surname);

// Up to kCompanyProposals names in an order mixed from the request, so that
// the same request always gets the same list.
std::vector<ProposedCompanyName> ProposeCompanyNames(const Sources& sources, const CompanyRequest& request);

}  // namespace velmora::services
