#pragma once

#include <QString>

class QCommandLineParser;

namespace kelvora {

// --course FILE: the course to run, its folder holding its content;
// --author: the author's aid on every lesson screen.
struct CourseOptions {
    QString courseFile; // empty: the built-in start-up course
    bool author = false;

    static void addTo(QCommandLineParser &parser);
    static CourseOptions from(const QCommandLineParser &parser);

    // Loads the course and turns the aid on; throws RuntimeError (invalid
    // course) before any window opens.
    void apply() const;
};

} // namespace kelvora
