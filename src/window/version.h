// The program's one version, the build's project version: --version, the
// title label of the first page and the package name all show it.
#pragma once

namespace gs {

extern const char* const kProgramVersion;

}  // namespace gs
