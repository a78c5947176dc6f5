#pragma once
// The rules every local page of the program runs under. Local pages must send
// their forms to the answering services and show the services' pictures, so
// the browser lets them reach the network; what keeps a service's code out of
// them is this content security policy, put into each page as it is served:
// scripts only from the program's own files (and the pages' own inline code,
// all of it the program's: answers lose theirs to the answer filter), no
// plug-ins, and no script reading anything by itself, local or remote.

#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kLocalPagePolicy =
    "script-src velmora: 'unsafe-inline'; object-src 'none'; connect-src 'none'";

// The page (GBK or any ASCII-compatible code page) with a meta element that
// declares kLocalPagePolicy at its very start, or after the document type
// declaration (and the comments before it) that the page opens with, so that
// the page keeps its mode.
std::string WithLocalPagePolicy(std::string_view page);

}  // namespace velmora
