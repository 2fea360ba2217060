#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace kelvora {

// The run window's parts as assistive technology meets them, the same at any scale: the window a frame
// holding its viewport, the viewport the stage with the page, whether the stage sits in the viewport (design
// size) or in the scene's proxy (scaled). Scaled, the proxy's holder is an empty, invisible window, and the
// keyboard focus the window and its viewport keep for the scene is the page's to tell. Null for anything else.
QAccessibleInterface *runWindowPart(const QString &className, QObject *object);

// The marks that make a widget a part above; set by the run window.
inline constexpr const char *StageName = "kelvoraStage";
inline constexpr const char *ScaledHolderName = "kelvoraScaledHolder";

} // namespace kelvora
