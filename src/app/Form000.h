#pragma once

#include "screens/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora {

struct CourseLanguage;

// The start screen: choose a language, then start the lessons, or leave.
class Form000 : public Screen {
    Q_OBJECT
public:
    explicit Form000(Run &run);
    QList<PictureShown> picturesAhead() const override;

public slots:
    void chooseLanguage(int language);
    void startLessons();
    void exitProgram();

protected:
    void load() override;
    void pictureChanged() override;

private:
    void showCaptions(const CourseLanguage &language);
    // Puts the chosen language's name beside "Current Language:" in whatever words and name, neither covering
    // the other nor running off the page.
    void placeLanguageName();
    QString traineeName() const;

    QPushButton *m_start;
    QPushButton *m_exit;
    QLabel *m_title;
    QLabel *m_credit;
    QLabel *m_currentLanguage;
    QLabel *m_languageName;
    QLineEdit *m_traineeName = nullptr; // only where the run's record needs a name
};

} // namespace kelvora
