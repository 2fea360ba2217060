#pragma once

#include <QStringView>

namespace kelvora {

// An absolute IRI (RFC 3987) as xAPI asks of an activity id: a scheme, ":", then only the characters an IRI
// may hold (no spaces, quotes or angle brackets; "%" only before two hex digits; at most one "#").
// "urn:example:courses:preflight" and "https://example.org/kurse/vorflug" are; "battery check" is not.
bool isCourseIri(QStringView text);

} // namespace kelvora
