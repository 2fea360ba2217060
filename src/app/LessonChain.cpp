#include "screens/LessonChain.h"

#include "lessons/Form001.h"
#include "lessons/Form002.h"
#include "lessons/Form003.h"
#include "lessons/Form004.h"
#include "lessons/Form007.h"
#include "lessons/Form008.h"
#include "lessons/Form011.h"
#include "lessons/Form012.h"
#include "lessons/Form013.h"
#include "lessons/Form017.h"
#include "lessons/Form018.h"

namespace kelvora {

Screen *createLessonScreen(int number)
{
    switch (number) {
    case 1: return new Form001;
    case 2: return new Form002;
    case 3: return new Form003;
    case 4: return new Form004;
    case 7: return new Form007;
    case 8: return new Form008;
    case 11: return new Form011;
    case 12: return new Form012;
    case 13: return new Form013;
    case 17: return new Form017;
    case 18: return new Form018;
    default: return nullptr;
    }
}

} // namespace kelvora
