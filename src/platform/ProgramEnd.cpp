#include "ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

namespace kelvora {

namespace {
ProgramEndHandler &handler()
{
    static ProgramEndHandler instance;
    return instance;
}
} // namespace

void endProgram(int status)
{
    if (handler()) {
        handler()(status);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

void setProgramEndHandler(ProgramEndHandler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace kelvora
