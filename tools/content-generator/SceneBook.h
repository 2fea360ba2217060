#pragma once

#include "PhotoScene.h"

#include <QMap>

namespace kelvora::content {

// The scene of every photograph, every inset and the throttle quadrant, written
// screen by screen: the controls a screen's marks point at, and which control
// each step changes on the photograph that follows.
class SceneBook {
public:
    SceneBook();

    // Throws std::runtime_error for a number no screen uses.
    const PhotoScene &photo(int number) const;
    QList<int> photoNumbers() const { return m_photos.keys(); }

    // fileName as on disk ("KokpitA.bmp"); throws std::runtime_error if unknown.
    const InsetScene &inset(const QString &fileName) const;

private:
    friend class ScreenShots;

    void describeScreens();
    void describeInsets();
    void add(const PhotoScene &scene);

    QMap<int, PhotoScene> m_photos;
    QList<InsetScene> m_insets;
};

// Writes one screen's photographs in order: each is the one before it with
// one control changed, or a new view of the cockpit.
class ScreenShots {
public:
    ScreenShots(SceneBook &book, int screen);

    ScreenShots &view(int number, const QString &view, const QList<SceneControl> &controls);
    ScreenShots &then(int number, int control, int state);

private:
    SceneBook &m_book;
    int m_screen;
    PhotoScene m_current;
};

} // namespace kelvora::content
