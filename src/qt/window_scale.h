// The main window's scale: the user enlarges the window and its content grows
// with it, fonts and controls together. The scale is kept between runs in
// the user's settings of the desktop (not in RK.cfg, which belongs to the
// installation).
#pragma once

class QSize;

namespace gs::qt {

// The scale of the last run, no smaller than 1 and no larger than lets a
// window of `natural` size at that scale fit the primary screen.
double keptScale(const QSize& natural);
void keepScale(double scale);

}  // namespace gs::qt
