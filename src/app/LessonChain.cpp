#include "screens/LessonChain.h"

#include "lessons/Form001.h"
#include "lessons/Form002.h"
#include "lessons/Form005.h"
#include "lessons/Form006.h"
#include "lessons/Form009.h"
#include "lessons/Form010.h"
#include "lessons/Form014.h"
#include "lessons/Form015.h"
#include "lessons/Form016.h"

namespace kelvora {

Screen *createLessonScreen(int number)
{
    switch (number) {
    case 1: return new Form001;
    case 2: return new Form002;
    case 5: return new Form005;
    case 6: return new Form006;
    case 9: return new Form009;
    case 10: return new Form010;
    case 14: return new Form014;
    case 15: return new Form015;
    case 16: return new Form016;
    default: return nullptr;
    }
}

} // namespace kelvora
