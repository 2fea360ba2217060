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

    // A sound was asked for: its caption replaces the one shown (the sound it names has stopped); a sound
    // without one leaves the line empty. `playing` tells whether the sound still plays.
    void heard(const QString &sound, std::function<bool()> playing);
    // The sound asked for did not play after all.
    void notPlayed(const QString &sound);

    // The place the line takes for its text on the page: under the explanation, clear of everything else.
    QRect placeFor(QSize size) const;

private:
    void hideWhenDone();

    Screen &m_page;
    std::map<QString, QStringList> m_captions;
    QString m_sound; // the soundKey() of the caption shown
    std::function<bool()> m_playing;
    QElapsedTimer m_shown;
    qint64 m_readingMs = 0;
    QTimer m_check;
};

} // namespace kelvora
