#include "ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

namespace kelvora {

void endProgram(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace kelvora
