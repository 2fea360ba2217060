#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

#include <vector>

namespace kelvora {

// What a generated name of the lesson design (a mark, a blink timer) stands for in the author's course.
struct SourcePlace {
    enum class Kind { Step, Group, Sequence, Throttle, Continue };
    Kind kind = Kind::Step;
    // The step's or group's id; "sequence"; the throttle's step: "throttle-pull", "throttle-lift",
    // "throttle-push"; "continue" for the page's own Continue.
    QString id;
    QString part; // what of it: "" for the thing itself, "watch" or "start" for the sequence's
};

// One compiled screen's way back to the author's screen.
struct SourceScreen {
    QString id;
    QMap<QString, QString> titles; // by language tag: the screen's title, else its id
    QHash<QString, SourcePlace> names; // by generated mark or timer name
};

// Leads from the lesson design an author's course compiles to back to the author's ids and titles, so records,
// the author's overlay, the storyboard and the checker speak the author's words. Empty for a course written
// as a lesson design (the first format): its names are its own.
class SourceMap {
public:
    QStringList tags; // the course's languages, the first first
    QMap<QString, QString> courseTitles; // by language tag
    std::vector<SourceScreen> screens;   // by compiled screen, screen 1 first

    bool isEmpty() const { return screens.empty(); }
    const SourceScreen *screen(int number) const; // 1 first; nullptr past the end or when empty
    const SourcePlace *place(int screen, const QString &generatedName) const;
    // The author's words for a generated name: "battery", "readings", "sequence: watch", "throttle: lift";
    // the name itself where the map has none.
    QString authorName(int screen, const QString &generatedName) const;
};

} // namespace kelvora
