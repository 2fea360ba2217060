#include "screens/LessonChain.h"

#include "lessons/Form001.h"
#include "lessons/Form002.h"
#include "lessons/Form003.h"
#include "lessons/Form004.h"
#include "lessons/Form005.h"
#include "lessons/Form006.h"
#include "lessons/Form007.h"
#include "lessons/Form008.h"
#include "lessons/Form009.h"
#include "lessons/Form010.h"
#include "lessons/Form011.h"
#include "lessons/Form012.h"
#include "lessons/Form013.h"
#include "lessons/Form014.h"
#include "lessons/Form015.h"
#include "lessons/Form016.h"
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
    case 5: return new Form005;
    case 6: return new Form006;
    case 7: return new Form007;
    case 8: return new Form008;
    case 9: return new Form009;
    case 10: return new Form010;
    case 11: return new Form011;
    case 12: return new Form012;
    case 13: return new Form013;
    case 14: return new Form014;
    case 15: return new Form015;
    case 16: return new Form016;
    case 17: return new Form017;
    case 18: return new Form018;
    default: return nullptr;
    }
}

} // namespace kelvora
