#pragma once

#include <QJsonObject>
#include <QStringList>

namespace kelvora {

// What an author reads to choose between two versions of a course: one line per
// screen or step added, removed or changed (with the fields that changed), and
// for the course's own fields and the order of the screens and steps.
QStringList courseDifferences(const QJsonObject &from, const QJsonObject &to);

} // namespace kelvora
