#pragma once

#include <QString>

namespace kelvora {

class CourseNode;

// Timed sequences and press counters name their photographs from a count:
// "images\0" + number + ".jpg". The numbers stay within 0 to 99, so no such
// name has more digits than the photographs' own names, and a sequence or a
// counter is never longer than the photographs it may name.
inline constexpr int LastNumberedPhotograph = 99;

QString numberedPhotograph(qint64 number);

// Fails the course when the photographs numbered first to last leave that
// range: past the end, it names countField; before the start, photographOffset.
void checkNumberedPhotographs(const CourseNode &kind, const char *countField, qint64 first, qint64 last);

} // namespace kelvora
