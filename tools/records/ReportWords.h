#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kelvora {

// The report's words in the instructor's language.
enum class Word {
    Title, Source, AtAGlance, Runs, Trainees, Completion, MedianTime, Spread, Misses, Hints, Score, Passed,
    TimePerScreen, Slowest, PerStep, Step, Screen, MedianToPress, WhereMissesLand, Target, PerTrainee, Time,
    RunStart, Apart, StartedAt, Result, MissMapOf, Seconds, Minutes, NoPhotograph, MostMissed,
};

class ReportWords {
public:
    // "en", "de", "fr" or "tr"; nothing for another.
    static std::optional<ReportWords> of(const QString &language);
    static QStringList languages();

    QString operator()(Word word) const;
    QString tag() const { return m_tag; }

private:
    explicit ReportWords(int column, QString tag) : m_column(column), m_tag(std::move(tag)) {}
    int m_column;
    QString m_tag;
};

} // namespace kelvora
