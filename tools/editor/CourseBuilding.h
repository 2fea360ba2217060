#pragma once

#include "CoursePlace.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSizeF>
#include <QStringList>

namespace kelvora {

// How a course grows quickly: whole screens and steps made from photographs,
// steps copied between screens and courses, a photograph replaced under its
// targets. Each returns the course as it becomes; the editor pushes it as one edit.

// A new step after `previous` (an empty object for none): its target has the shape and size of the previous
// step's, else `fallback`'s; it plays the previous step's sound.
QJsonObject stepLike(const QJsonObject &previous, const QJsonObject &fallback, const QJsonArray &siblings);

// One screen per photograph (names in the course), after screen `after` (-1: at the end), ids from their file
// names. Returns the course, and the first new screen's index in `first`.
QJsonObject withScreensFromPhotographs(QJsonObject course, int after, const QStringList &photographs, int *first);

// One step per photograph, each press leaving its photograph behind, after step `after` of the screen (-1: at the
// end); the first takes `target`, the others the one before's shape, size and sound.
QJsonObject withStepsFromPhotographs(QJsonObject course, int screen, int after, const QStringList &photographs,
                                     const QJsonObject &target);

// Copies of the steps inserted after the place's step (or at the end of its screen), with ids no other step of
// the screen has. Returns the course; the first pasted step's index in `first`.
QJsonObject withStepsInserted(QJsonObject course, CoursePlace after, const QJsonArray &steps, int *first);

// The step moved to the end of another screen (its id made fresh there). The screen it left keeps its others.
QJsonObject withStepMoved(QJsonObject course, CoursePlace step, int toScreen);

// A target in a photograph of `from` pixels placed on one of `to` pixels, in proportion.
QJsonObject scaledTarget(const QJsonObject &target, QSizeF from, QSizeF to);
// Every step target of the screen scaled so (the screen's own photograph replaced by one of another size).
QJsonObject withScreenTargetsScaled(QJsonObject course, int screen, QSizeF from, QSizeF to);

} // namespace kelvora
