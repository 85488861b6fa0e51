#include "document/document.h"

namespace gs {

void connectDocument(Editor&) {}
void UpdateEraCode(Editor&) {}
void UpdateFileNamePreview(Editor&) {}

}  // namespace gs
