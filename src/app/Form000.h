#pragma once

#include "screens/Screen.h"

class QLabel;
class QPushButton;

namespace kelvora {

// The start screen: choose a language, then start the lessons, or leave.
class Form000 : public Screen {
    Q_OBJECT
public:
    Form000();

public slots:
    void chooseLanguage(int language);
    void startLessons();
    void exitProgram();

protected:
    void load() override;

private:
    QPushButton *m_start;
    QLabel *m_languageName;
};

} // namespace kelvora
