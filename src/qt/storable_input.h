// What the user enters into a text field is kept storable in the 8-bit file:
// a character Windows-1252 lacks becomes '?' in its place (cp1252.h).
#pragma once

class QObject;
class QValidator;
class QWidget;

namespace gs::qt {

// Typed characters are changed before the field sees them, so its undo
// history holds what it shows.
void keepStorable(QWidget* field);

// For a single-line field: pasted and dropped text.
QValidator* storableValidator(QObject* parent);

}  // namespace gs::qt
