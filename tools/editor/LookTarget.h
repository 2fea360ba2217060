#pragma once

namespace kelvora {

// A target of a screen that belongs to no step: one of a look-only group's
// targets, or the one the screen's sequence watches (group == Watch).
struct LookTarget {
    static constexpr int None = -1;
    static constexpr int Watch = -2;

    int group = None; // in the screen's pointAt
    int target = 0;   // in the group

    bool isNone() const { return group == None; }
    bool isWatch() const { return group == Watch; }
    friend bool operator==(const LookTarget &, const LookTarget &) = default;
};

} // namespace kelvora
