#include "FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace kelvora {

// The library loads its configuration once per process and may be entered from
// two threads: should the font database ask before the worker is done, the
// later of the two loads is dropped.
FontConfigWarmUp::FontConfigWarmUp() : m_worker([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp()
{
    m_worker.join();
}

} // namespace kelvora
