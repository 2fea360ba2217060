#pragma once

#include "CourseCheck.h"
#include "course/Course.h"

#include <QHash>
#include <QJsonObject>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QStringList>

#include <utility>

namespace kelvora {

// The checks of a format 2 course: ids, texts in every language and fitting
// their label, targets on their photograph and clear of the trainer's
// controls, every file it names present and decoding, and, on the lesson
// designs it compiles to, every step able to become active and every screen
// able to lead on. What depends on the compiled course (the label's size, the
// controls' places, the flow) is left out when it does not compile.
class Format2Check {
public:
    Format2Check(QJsonObject course, QString folder, const Course *compiled);

    // Files the course names that are not in its folder yet, by name: where they are now.
    void setFilesElsewhere(QHash<QString, QString> files) { m_elsewhere = std::move(files); }

    // Needs a QGuiApplication for the fonts.
    QList<CourseFinding> run();
    int filesChecked() const { return int(m_checkedFiles.size()); }

private:
    void checkIds();
    void checkTexts();
    void checkFlow();
    void checkCaptions();
    void checkScreenFiles(const QJsonObject &screen, const QString &screenId);
    void checkTargets(const QJsonObject &screen, const LessonLayout &layout);
    void checkTarget(const QJsonValue &target, QSize photograph, const QList<std::pair<QString, QRect>> &controls,
                     const QString &screenId, const QString &step, const QString &what);
    void checkPicture(const QString &name, const QString &screenId, const QString &step);
    void checkSound(const QString &name, const QString &screenId, const QString &step);
    QString resolve(const QString &name, const QString &screenId, const QString &step);
    void report(const QString &screen, const QString &step, const QString &language, const QString &message);

    QJsonObject m_course;
    QString m_folder;
    const Course *m_compiled;
    QStringList m_tags;
    QList<CourseFinding> m_findings;
    QSet<QString> m_checkedFiles;
    QHash<QString, QSize> m_pictureSizes;
    QHash<QString, QString> m_elsewhere;
};

} // namespace kelvora
