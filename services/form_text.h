#pragma once
// Reading the parts of a request that come percent-encoded: the address path
// and the "name=value&..." text of a query or of a form's body. Bytes are kept
// as they come (GBK for our forms); checking them is the handlers' job.

#include <map>
#include <string>
#include <string_view>

namespace velmora::services {

// The text with each "%XX" turned into its byte; a "%" not followed by two hex
// digits stays as it is. With plusIsSpace (query and form text), "+" is a blank.
std::string PercentDecoded(std::string_view text, bool plusIsSpace);

// Adds the fields of query or form text to `fields`, names and values decoded;
// pieces without a name are skipped, a piece without "=" has an empty value.
void AddFormFields(std::string_view text, std::multimap<std::string, std::string>& fields);

}  // namespace velmora::services
