#include "qt/font_setup.h"

#if defined(__linux__)
#include <dlfcn.h>
#endif

namespace gs::qt {

FontSetupAhead::FontSetupAhead() {
#if defined(__linux__)
    // Looked up, not linked: the library is there exactly where Qt's
    // platform code uses it, loaded with Qt. Were two threads to set it up
    // at once, each would build a configuration and one would be dropped,
    // so nothing is lost but time.
    if (auto* init = reinterpret_cast<int (*)()>(dlsym(RTLD_DEFAULT, "FcInit"))) setup_ = std::thread(init);
#endif
}

}  // namespace gs::qt
