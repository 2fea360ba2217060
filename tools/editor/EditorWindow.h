#pragma once

#include "Autosave.h"
#include "CourseDocument.h"

#include <QFileSystemWatcher>
#include <QMainWindow>

#include <functional>
#include <memory>

class QComboBox;
class QItemSelectionModel;
class QDockWidget;
class QLabel;
class QMenu;
class QStackedWidget;

namespace kelvora {

class ChecksPanel;
class CourseModel;
class Narrator;
class SdlSoundPlayer;
class OutlineView;
class PhotographView;
class PlacePanel;
class StartPage;
class TextsModel;
class TextsTable;

// The course editor's window: the outline on the left, the photograph with its
// targets in the middle, the place's fields below it, the texts and the
// checker's findings at the bottom.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    EditorWindow();
    ~EditorWindow() override;

    // Returns an empty string or the reason. A course with unsaved changes kept from
    // an earlier session offers them (see restoreOffered).
    QString openCourse(const QString &fileOrFolder);
    // The start page: new course, recent courses, examples.
    void showStartPage();
    bool save();
    bool saveAs();
    Autosave &autosave() { return m_autosave; }
    // Asks the author before anything replaces their work: what to do with kept changes at open, and with a file
    // changed on disk. Tests answer it without a window.
    enum class Question { KeptChanges, ChangedOnDisk, SavingOverChanged };
    // KeptChanges: Restore or Discard; ChangedOnDisk: Reload or KeepMine; SavingOverChanged: Replace, KeepMine
    // (save as) or Cancel.
    enum class Answer { Restore, Discard, Reload, KeepMine, Replace, Cancel };
    using Asker = std::function<Answer(Question question, const QString &text, const QStringList &differences)>;
    void setAsker(Asker asker) { m_ask = std::move(asker); }
    // Looks whether the file on disk changed under the editor (the watcher calls it).
    void checkDisk();
    // The selected step to the clipboard (cut: and out of the course); the clipboard's steps after the selection.
    void copySteps(bool cut);
    void pasteSteps();
    void select(CoursePlace place);
    CoursePlace selectedPlace() const { return m_place; }

    CourseDocument &document() { return m_document; }
    CourseModel *courseModel() const { return m_courseModel; }
    TextsModel *textsModel() const { return m_textsModel; }
    // What is selected, for the outline and the photograph alike.
    QItemSelectionModel *selection() const { return m_selection; }
    OutlineView *outline() const { return m_outline; }
    PhotographView *photograph() const { return m_view; }
    TextsTable *texts() const { return m_texts; }
    ChecksPanel *checks() const { return m_checks; }
    PlacePanel *placePanel() const { return m_placePanel; }
    // The texts table's current cell as the trainer's narration gives it: its words spoken in the column's
    // language, or the recording it names played. Made at the first use.
    void hearNarration();
    Narrator *narrator() const { return m_narrator; }

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildActions();
    void courseChanged(CoursePlace place);
    void showSelection();
    void addScreen();
    void addStep();
    void addLanguage();
    void chooseRecording();
    void moveSelected(int by);
    void addDrawnTarget(const QJsonObject &target);
    QJsonArray stepsOnClipboard();
    void pasteTarget();
    void moveStepToScreen();
    void removeUnusedFiles();
    void moveStepToScreenAt(CoursePlace step, int screen);
    void screensFromPhotographs();
    void stepsFromPhotographs();
    QStringList broughtIn(const QStringList &files);
    void playFromHere();
    void newCourse();
    void openDialog();
    void openFolderDialog();
    void renameLanguage();
    void removeLanguage();
    bool askToSave();
    Answer askDialog(Question question, const QString &text, const QStringList &differences);
    void offerKeptChanges();
    void watch();
    void unwatch();
    void remember(const QString &file);
    QStringList recentCourses() const;
    void fillRecentMenu();
    void showEditor(bool shown);
    void updateTitle();
    void reportProblem(const QString &message);

    CourseDocument m_document;
    Autosave m_autosave;
    QFileSystemWatcher m_watcher;
    Asker m_ask;
    bool m_askingAboutDisk = false;
    CoursePlace m_place;
    CourseModel *m_courseModel;
    TextsModel *m_textsModel;
    QItemSelectionModel *m_selection;
    bool m_showing = false; // while the outline's selection and the rest are set to each other
    QStackedWidget *m_pages;
    StartPage *m_start;
    QList<QDockWidget *> m_docks;
    QWidget *m_fields = nullptr; // the place's fields, scrolling
    QMenu *m_recent = nullptr;
    OutlineView *m_outline;
    PhotographView *m_view;
    PlacePanel *m_placePanel;
    TextsTable *m_texts;
    ChecksPanel *m_checks;
    QLabel *m_banner;
    QComboBox *m_playLanguage;
    Narrator *m_narrator = nullptr;
    std::unique_ptr<SdlSoundPlayer> m_recordingVoice;
    QList<QAction *> m_editActions;
    QList<QAction *> m_courseActions; // only while a course is open
    int m_docksSizedFor = 0; // the window's width when the docks were last sized
};

} // namespace kelvora
