#pragma once

#include "PictureSizes.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace kelvora {

// The content files one screen uses, each spelled exactly as that screen
// spells it ("Images\\005.jpg" beside "images\\004.jpg", "sounds\\dugme5.wav").
struct ScreenAssets {
    int screen = 0;            // 0 is the start screen, 1 onwards the lesson screens
    QStringList insets = {};       // Picture1 bitmaps, in order of use
    QStringList photographs = {};  // window pictures in order of use, names built from a counter written out
    QStringList otherPictures = {}; // pictures of other picture boxes (the throttle quadrant)
    QStringList cues = {};         // names given to PlayCue
    QStringList directSounds = {}; // names given to the sound player directly
};

// The sound a cue plays: "Dugme1" -> "Sounds\\Dugme1.wav".
QString cueSoundName(const QString &cue);

// The quadrant's picture box is 173 x 253 with a 2-pixel border, so its
// picture is drawn into a 169 x 249 inner area and is made to fill it.
inline constexpr QSize ThrottleQuadrantSize{169, 249};

enum class PackFileKind { Photograph, Inset, ThrottleQuadrant, Sound, LanguageFile };

// One file of a content pack, as it lies on disk.
struct PackFile {
    QString path;       // relative, with forward slashes: "images/005.jpg", "Sounds/Dugme1.wav", "Lang1.txt"
    PackFileKind kind;
    QSize pictureSize;  // pictures of a fixed size only; invalid otherwise (any size)

    bool operator==(const PackFile &) const = default;
};

// Every file a pack of these screens and language files must hold, once each,
// sorted by path. The screens' names are folded without regard to case into
// the folders "images" and "Sounds" and the most capitalised spelling of each
// file name ("KokpitB.bmp" for "Kokpitb.bmp", "Dugme3.wav" for "dugme3.wav").
QList<PackFile> packFiles(const QList<ScreenAssets> &screens, const QStringList &languageFiles);

} // namespace kelvora
