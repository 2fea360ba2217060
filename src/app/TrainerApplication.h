#pragma once

#include <QApplication>

namespace kelvora {

// The application object of the trainer and of the tests that drive its screens.
class TrainerApplication : public QApplication {
    Q_OBJECT
public:
    TrainerApplication(int &argc, char **argv);
};

} // namespace kelvora
