#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QTimer>

#include <optional>

namespace kelvora {

class CourseDocument;

// The unsaved changes of the open course, kept in the user's state folder
// ($XDG_STATE_HOME/kelvora/autosave/), never in the course's own folder: written
// a few seconds after the last edit and whenever asked (the window losing the
// focus), removed when the course is saved or its changes are undone or discarded.
class Autosave : public QObject {
    Q_OBJECT
public:
    // stateFolder: where the autosaves go (default: the user's state folder).
    explicit Autosave(CourseDocument &document, QString stateFolder = defaultFolder(), QObject *parent = nullptr);

    static QString defaultFolder();
    // The autosave file of a course file.
    QString fileFor(const QString &courseFile) const;

    // What an autosave of the course file holds that its file on disk does not: the course then, and when it was
    // kept. Nothing when there is none or it holds what the file holds.
    struct Kept {
        QJsonObject course;
        QDateTime when;
    };
    std::optional<Kept> kept(const QString &courseFile) const;

    // Writes the changes now, if there are any; returns "" or the reason they could not be kept.
    QString keepNow();
    void discard();

    void setIdleDelay(int ms) { m_idle.setInterval(ms); }

private:
    CourseDocument &m_document;
    QString m_folder;
    QTimer m_idle;
};

} // namespace kelvora
