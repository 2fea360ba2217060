#pragma once

#include <QSize>

namespace kelvora {

// The sizes the screens draw their pictures at: a lesson page, the start page, the inset box.
inline constexpr QSize LessonPictureSize{1024, 768};
inline constexpr QSize StartPictureSize{1022, 768};
inline constexpr QSize InsetSize{207, 221};

} // namespace kelvora
