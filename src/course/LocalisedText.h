#pragma once

#include "Course.h"
#include "CourseNode.h"

namespace kelvora {

// A text map of an author's course ({"en": "...", "de": "..."}) as one text per course language, first
// language first. A language the map lacks gets the first language's text (the checker reports it), else
// the first text the map has; a tag the course does not teach fails. Empty when the field is absent.
QStringList localisedText(const CourseNode &node, const char *field, const std::vector<CourseLanguage> &languages);

} // namespace kelvora
