#include "font_warmup.h"

#ifdef VELMORA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace velmora {

FontWarmUp::FontWarmUp() {
#ifdef VELMORA_HAVE_FONTCONFIG
    // Reading every configuration file and font cache is the largest part of
    // showing the first text; Qt's own call then finds it done.
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp() {
    Wait();
}

void FontWarmUp::Wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace velmora
