#pragma once

#include "SceneBook.h"
#include "course/Course.h"

#include <QStringList>

namespace kelvora::content {

// Where the photographs of the book and the marks of the course disagree: a
// control that stands outside a mark it is drawn under, a mark it names that
// the course lacks, and a numbered mark under which no photograph puts a
// control. Marks that share a name are told apart by their order in the course.
QStringList markPlaceFaults(const SceneBook &book, const Course &course);

} // namespace kelvora::content
