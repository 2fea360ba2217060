#include "ProgramEnd.h"

#include "record/RunObserver.h"

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
    // Whatever ends the program, the run's record is written first.
    RunObserver::current().runEnded(RunResult::left());
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
