#pragma once

#include "Cockpit.h"
#include "PhotoScene.h"

#include <QMap>

#include <functional>

namespace kelvora::content {

// The scene of every photograph and every inset, written screen by screen as
// the start-up goes: each step changes the cockpit's state and the photograph
// that follows shows the new state in the screen's framing.
class SceneBook {
public:
    // The procedures whose photographs the generator draws.
    enum class Procedure { StartUp, ShutDown };
    explicit SceneBook(Procedure procedure = Procedure::StartUp);

    // Throws std::runtime_error for a number no screen uses.
    const PhotoScene &photo(int number) const;
    QList<int> photoNumbers() const { return m_photos.keys(); }

    // fileName as on disk ("KokpitA.bmp"); throws std::runtime_error if unknown.
    const InsetScene &inset(const QString &fileName) const;

private:
    friend class ScreenShots;

    void describeScreens();
    void describeShutdown();
    void describeInsets();
    void add(const PhotoScene &scene);

    QMap<int, PhotoScene> m_photos;
    QList<InsetScene> m_insets;
};

using CockpitView = std::function<PhotoScene(const Cockpit &)>;
using CockpitChange = std::function<void(Cockpit &)>;

// Photographs one screen: view() turns the camera to a framing, then() changes
// the cockpit and photographs it again in the same framing.
class ScreenShots {
public:
    ScreenShots(SceneBook &book, int screen, Cockpit &cockpit);

    ScreenShots &view(int number, CockpitView view);
    ScreenShots &then(int number, const CockpitChange &change);
    // Changes the cockpit where the screen shows a photograph taken before.
    ScreenShots &change(const CockpitChange &change);

private:
    void shoot(int number);

    SceneBook &m_book;
    int m_screen;
    Cockpit &m_cockpit;
    CockpitView m_view;
};

} // namespace kelvora::content
