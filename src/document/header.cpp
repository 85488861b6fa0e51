#include "document/header.h"

#include "document/document.h"

namespace gs {

void connectHeader(Editor&) {}
void UpdateEraCode(Editor&) {}
void UpdateFileNamePreview(Editor&) {}

}  // namespace gs
