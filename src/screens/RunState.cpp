#include "RunState.h"

namespace kelvora {

int CurrentLanguage = 0;
int ExplanationCursor = 0;
RunMode CurrentRunMode = RunMode::Guided;
AccessOptions CurrentAccess;

} // namespace kelvora
