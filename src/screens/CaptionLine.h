#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <map>

namespace kelvora {

class Screen;

// Shows what a sound is ("[switch click]") while it plays, for a trainee who does not hear it: at least long
// enough to read, and a looping sound's for as long as it loops. It sits under the explanation where no mark
// of the page, nor anything else on it, lies, and takes a plate where the photograph would leave it unreadable.
class CaptionLine : public QLabel {
    Q_OBJECT
public:
    // The captions by soundKey(), by language.
    CaptionLine(Screen &page, std::map<QString, QStringList> captions);

    // A sound was asked for: the sound before it has stopped, and its caption goes once it has been read.
    // The new sound's caption shows at once, a looping sound's once the caption before it has been read.
    // `playing` tells whether the voice still plays.
    void heard(const QString &sound, bool loop, std::function<bool()> playing);
    // The sound asked for did not play after all.
    void notPlayed(const QString &sound);

    // The place the line takes for its text on the page: under the explanation, clear of everything else.
    QRect placeFor(QSize size) const;

private:
    QString captionOf(const QString &sound) const;
    void showCaption(const QString &caption, const QString &sound);
    void moveOn();

    Screen &m_page;
    std::map<QString, QStringList> m_captions;
    QString m_sound;      // the soundKey() of the caption shown
    bool m_latest = false; // its sound is the last one asked for
    QString m_pending;     // a looping sound's caption, waiting for the one shown to be read
    QString m_pendingSound;
    std::function<bool()> m_playing;
    QElapsedTimer m_shown;
    qint64 m_readingMs = 0;
    QTimer m_check;
};

} // namespace kelvora
