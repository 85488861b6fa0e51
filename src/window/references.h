// Addresses and names the editor shows or opens, kept in one place.
#pragma once

#include <string>

namespace gs {

// Unit reference pages are this address followed by the unit number padded to
// five digits and ".png".
inline constexpr const char* kUnitReferenceBase = "http://units.velm.example.org/ref/";
// The online unit list's login, shown in the Unit Finder and the help texts.
inline constexpr const char* kUnitListUser = "vm";
inline constexpr const char* kUnitListPassword = "quill4me";  // eight characters
// Where users send province files and name lists.
inline constexpr const char* kContactAddress = "godfiles@velm.example.org";

}  // namespace gs
