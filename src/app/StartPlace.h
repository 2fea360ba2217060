#pragma once

#include "CommandLine.h"

namespace kelvora {

class Run;
class Screen;

// The screen the run opens with: the start screen, or with --screen the lesson
// screen of that number in the chosen language, as if the screens before it had
// been worked through. Throws RuntimeError for a screen or language the course lacks.
Screen &firstScreen(Run &run, const CommandLineOptions &options);

} // namespace kelvora
