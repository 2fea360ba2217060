#pragma once

#include <thread>

namespace kelvora {

// Reading the system's font configuration is the largest single cost on the
// way to the first paint, and nothing needs it until the first text is laid
// out. While this object lives, a worker thread reads it as the application
// connects to the display; the font database then finds it loaded.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

private:
    std::thread m_worker;
};

} // namespace kelvora
