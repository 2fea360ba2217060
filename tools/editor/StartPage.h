#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace kelvora {

// What the editor shows before a course is open: a new course, one to open, the
// recent courses and the examples that come with the trainer.
class StartPage : public QWidget {
    Q_OBJECT
public:
    explicit StartPage(QWidget *parent = nullptr);

    void setRecent(const QStringList &courseFiles);
    // The shipped courses: course.json in the subfolders of `courses/` beside the program or in its data folder.
    static QStringList examples();

signals:
    void newRequested();
    void openRequested();
    void courseChosen(const QString &file);

private:
    QLabel *m_recentLabel = nullptr;
    QListWidget *m_recent;
    QListWidget *m_examples;
};

} // namespace kelvora
