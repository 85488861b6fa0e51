// The heap during the start. Each page of memory the program touches for the
// first time costs a page fault, and on a virtual machine a fault takes as
// long as some tens of thousands of instructions: the start's tables, window
// pictures and widgets would take about a thousand of them. Until the main
// window shows, blocks of every size come from a heap grown once, in large
// pages where the system offers them; then the heap keeps large blocks and
// gives memory back as the C library would after its first large blocks. Elsewhere than on Linux with the GNU C library both do nothing.
#pragma once

namespace gs::qt {

// `argc` and `argv` as main has them: a -platform argument among them is read.
void growHeapForStart(int argc, char** argv);
void endHeapForStart();

}  // namespace gs::qt
