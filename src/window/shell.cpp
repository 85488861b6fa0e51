#include "window/shell.h"

#include <cstdio>

#include "window/references.h"

namespace gs {

void ReportError(Platform& platform, const std::string& name) {
    platform.messageBox("Confirm that your input was a valid character or value for this field. Subroutine=" + name,
                        "Error Report!");
}

namespace {

// What a box holds at most of what it refused more of.
std::string most(const TextBox& box, TextBox::Refusal why) {
    return why == TextBox::Refusal::TooManyLines ? std::to_string(kMaxLines) + " lines"
                                                 : std::to_string(box.maxBytes) + " characters";
}

}  // namespace

void connectLimits(Form1& f, Platform& platform) {
    for (Control* c : f.allControls()) {
        if (c->kind() == Kind::TextBox)
            static_cast<TextBox*>(c)->Refused = [&platform, box = static_cast<TextBox*>(c)](TextBox::Refusal why) {
                platform.messageBox(why == TextBox::Refusal::LineTooLong
                                        ? "A line in this box can hold at most " + std::to_string(kMaxLineLength) +
                                              " characters, so the box keeps what it held."
                                        : "This box can hold at most " + most(*box, why) + ", so it keeps what it held.",
                                    kProgramTitle);
            };
        if (c->kind() == Kind::ListBox)
            static_cast<ListBox*>(c)->Full = [&platform, list = static_cast<ListBox*>(c)](ListBox::Refusal why) {
                platform.messageBox("This list can hold at most " +
                                        (why == ListBox::Refusal::TooManyEntries
                                             ? std::to_string(list->maxEntries) + " entries"
                                             : std::to_string(list->maxBytes) + " characters") +
                                        ", so it keeps what it held.",
                                    kProgramTitle);
            };
    }
}

void ReportGarrisonFull(Platform& platform, const TextBox& garrison, TextBox::Refusal why) {
    platform.messageBox(
        why == TextBox::Refusal::LineTooLong
            ? "A line in the garrison can hold at most " + std::to_string(kMaxLineLength) +
                  " characters, so it keeps what it held."
            : "The garrison can hold at most " + most(garrison, why) + ", so it keeps what it held.",
        kProgramTitle);
}

void lblURL_Click(Form1& f, Platform& platform) { platform.openUrl(f.lblURL.caption()); }

std::string unitReferenceAddress(int unitNumber) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%s%05d", unitNumber < 0 ? "-" : "",
                  unitNumber < 0 ? -unitNumber : unitNumber);
    return std::string(kUnitReferenceBase) + digits + ".png";
}

}  // namespace gs
