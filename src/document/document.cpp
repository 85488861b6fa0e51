#include "document/document.h"

#include "document/assembly.h"
#include "document/header.h"

namespace gs {

void connectDocument(Editor& e) {
    connectHeader(e);
    connectAssembly(e);
}

}  // namespace gs
