// Two small services of the main window: the common error report of the
// commander-block buttons and the link opener.
#pragma once

#include <string>

#include "window/forms.h"
#include "window/platform.h"

namespace gs {

// "Confirm that your input was a valid character or value for this field.
// Subroutine=" + name, titled "Error Report!".
void ReportError(Platform& platform, const std::string& name);

// Every text box of the window answers an edit it refuses, titled with the
// program's title: a line over kMaxLineLength with "A line in this box can
// hold at most 4000 characters, so the box keeps what it held.", more than
// kMaxLines lines with "This box can hold at most 20000 lines, so it keeps
// what it held.", more than its maxBytes with "This box can hold at most
// 524288 characters, so it keeps what it held." Every list box answers an entry past its most with "This
// list can hold at most " + the most + " entries, so it keeps what it held.",
// and one past its most bytes with "This list can hold at most " + the most
// + " characters, so it keeps what it held."
void connectLimits(Form1& f, Platform& platform);

// A Submit that would leave the garrison with a longer line or more lines
// than the garrison box takes from the user adds nothing and says so:
// "A line in the garrison can hold at most 4000 characters, so it keeps what
// it held.", "The garrison can hold at most 20000 lines, so it keeps what
// it held." or "The garrison can hold at most 524288 characters, so it keeps
// what it held.", titled with the program's title.
void ReportGarrisonFull(Platform& platform, const TextBox& garrison, TextBox::Refusal why);

// Opens the address in lblURL's caption in the user's browser.
void lblURL_Click(Form1& f, Platform& platform);

// The unit-reference page of a unit: the base address, the number padded to
// five digits, ".png".
std::string unitReferenceAddress(int unitNumber);

}  // namespace gs
