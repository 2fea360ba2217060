#pragma once

namespace kelvora {

// A windowed program's application object opens the window system first, and
// Qt aborts when no display can be reached. While a DisplayCheck is armed,
// that ends the program instead with one line that says so, and status 2; the
// window system's own warnings are held back, and passed on if it opens.
//
//   DisplayCheck display("kelvora-editor");
//   QApplication app(argc, argv);
//   display.passed();
class DisplayCheck {
public:
    explicit DisplayCheck(const char *program);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

    // The window system is open: messages go where they went before.
    void passed();
};

} // namespace kelvora
