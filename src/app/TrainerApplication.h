#pragma once

#include <QApplication>

namespace kelvora {

// The application object: the one place where a run-time error raised in any
// handler is caught and reported, so no exception crosses the event loop.
class TrainerApplication : public QApplication {
    Q_OBJECT
public:
    TrainerApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace kelvora
