#pragma once

namespace kelvora {

// A place in a course the editor can select: the course itself (screen -1), a
// screen (step -1) or one of its steps.
struct CoursePlace {
    int screen = -1;
    int step = -1;

    bool isScreen() const { return screen >= 0 && step < 0; }
    bool isStep() const { return screen >= 0 && step >= 0; }
    friend bool operator==(const CoursePlace &, const CoursePlace &) = default;
};

} // namespace kelvora
