#pragma once

#include "Course.h"

#include <QJsonObject>

namespace kelvora {

// Reads a course of the author's format ("format": 2): the course's id, titles and languages with their
// captions, then each screen through Format2Screen. The texts beside their steps become the course's table of
// explanation lines, in the order the run reads them. Throws RuntimeError (invalid course) naming the place.
class Format2Reader {
public:
    Format2Reader(QString file, QJsonObject root);

    Course read();

private:
    void readLanguages();

    QString m_file;
    QJsonObject m_root;
    Course m_course;
};

} // namespace kelvora
