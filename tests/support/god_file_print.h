// A composition as a failing test shows it: section by section, texts escaped.
#pragma once

#include <ostream>

#include "document/god_file.h"
#include "support/session.h"

namespace gs {

inline void PrintTo(const GodFile& g, std::ostream* out) {
    using test::escaped;
    *out << "{description \"" << escaped(g.description) << "\", names [";
    for (const auto& n : g.names) *out << " \"" << escaped(n) << "\"";
    *out << " ], nameList " << (g.nameList ? "\"" + escaped(*g.nameList) + "\"" : "none") << ", population \""
         << escaped(g.population) << "\", popType ";
    if (g.popType) *out << g.popType->number << " \"" << escaped(g.popType->name) << "\"";
    else *out << "none";
    *out << ", killFeatures " << g.killFeatures << ", sites [";
    for (const auto& slot : g.sites) {
        *out << " {" << (slot.known ? "known" : "unknown");
        for (const auto& c : slot.candidates) *out << " \"" << escaped(c) << "\"";
        *out << "}";
    }
    *out << " ], garrison \"" << escaped(g.garrison) << "\"}";
}

}  // namespace gs
