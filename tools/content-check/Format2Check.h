#pragma once

#include "CourseCheck.h"

#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QSize>
#include <QStringList>

namespace kelvora {

// The checks of a format 2 course that its file alone decides: ids, texts in
// every language and fitting their label, targets on their photograph and
// clear of the trainer's controls, and every file it names present and decoding.
class Format2Check {
public:
    Format2Check(QJsonObject course, QString folder);

    // Needs a QGuiApplication for the fonts.
    QList<CourseFinding> run();
    int filesChecked() const { return int(m_checkedFiles.size()); }

private:
    void checkIds();
    void checkTexts();
    void checkCaptions();
    void checkScreenFiles(const QJsonObject &screen, const QString &screenId);
    void checkTargets(const QJsonObject &screen, const QString &screenId);
    void checkTarget(const QJsonValue &target, QSize photograph, const QString &insetPlace, const QString &screenId,
                     const QString &step, const QString &what);
    void checkPicture(const QString &name, const QString &screenId, const QString &step);
    void checkSound(const QString &name, const QString &screenId, const QString &step);
    QString resolve(const QString &name, const QString &screenId, const QString &step);
    void report(const QString &screen, const QString &step, const QString &language, const QString &message);

    QJsonObject m_course;
    QString m_folder;
    QStringList m_tags;
    QList<CourseFinding> m_findings;
    QSet<QString> m_checkedFiles;
    QHash<QString, QSize> m_pictureSizes;
};

} // namespace kelvora
