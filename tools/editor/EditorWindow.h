#pragma once

#include "CourseDocument.h"

#include <QMainWindow>

class QComboBox;
class QLabel;

namespace kelvora {

class ChecksPanel;
class OutlineView;
class PhotographView;
class PlacePanel;
class TextsTable;

// The course editor's window: the outline on the left, the photograph with its
// targets in the middle, the place's fields below it, the texts and the
// checker's findings at the bottom.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    EditorWindow();

    // Returns an empty string or the reason.
    QString openCourse(const QString &fileOrFolder);
    bool save();
    void select(CoursePlace place);
    CoursePlace selectedPlace() const { return m_place; }

    CourseDocument &document() { return m_document; }
    OutlineView *outline() const { return m_outline; }
    PhotographView *photograph() const { return m_view; }
    TextsTable *texts() const { return m_texts; }
    ChecksPanel *checks() const { return m_checks; }
    PlacePanel *placePanel() const { return m_placePanel; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildActions();
    void courseChanged(CoursePlace place);
    void showSelection();
    void addScreen();
    void addStep();
    void addLanguage();
    void moveSelected(int by);
    void playFromHere();
    void openDialog();
    bool askToSave();
    void updateTitle();
    void reportProblem(const QString &message);

    CourseDocument m_document;
    CoursePlace m_place;
    OutlineView *m_outline;
    PhotographView *m_view;
    PlacePanel *m_placePanel;
    TextsTable *m_texts;
    ChecksPanel *m_checks;
    QLabel *m_banner;
    QComboBox *m_playLanguage;
    QList<QAction *> m_editActions;
    int m_docksSizedFor = 0; // the window's width when the docks were last sized
};

} // namespace kelvora
