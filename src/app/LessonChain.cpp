#include "screens/LessonChain.h"

#include "lessons/Form001.h"
#include "lessons/Form002.h"

namespace kelvora {

Screen *createLessonScreen(int number)
{
    switch (number) {
    case 1: return new Form001;
    case 2: return new Form002;
    default: return nullptr;
    }
}

} // namespace kelvora
