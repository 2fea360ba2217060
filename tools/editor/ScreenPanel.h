#pragma once

#include "LookTarget.h"

#include <QJsonObject>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kelvora {

class CourseDocument;

// What only a screen has: its inset (a picture on the left or right), the engine
// loop that plays from its load, and a timed sequence after its last step
// (photographs shown one per period, with a sound). Its look-only groups' targets
// and the target its sequence watches are chosen here and edited on the photograph.
class ScreenPanel : public QWidget {
    Q_OBJECT
public:
    explicit ScreenPanel(CourseDocument &document, QWidget *parent = nullptr);

    void showScreen(int screen);
    void chooseInset();
    void useInset(const QString &file);
    void chooseSequencePhotographs();
    void useSequencePhotographs(const QStringList &files);

    // The target the photograph edits while the screen is selected (none: the steps' are shown).
    LookTarget look() const { return m_look; }
    void selectLook(LookTarget look);
    // The selected group's targets, or the watched one; empty for none.
    QList<QJsonObject> lookTargets() const;
    // The photograph they lie on, as the course names it.
    QString lookPhotograph() const;
    void editLookTarget(int index, const QJsonObject &target);
    void addGroup();
    void addGroupTarget();
    void deleteGroup();
    void addWatch();
    void deleteLookTarget();

signals:
    void problem(const QString &message);
    void lookSelected();

private:
    void refresh();
    void refreshLooks();
    void renameGroup();
    void reshapeLook(const QString &shape);
    void pushLookTarget(LookTarget at, const QJsonObject &target);
    void setSequenceField(const QString &field, const QJsonValue &value);
    QString imported(const QString &file, const QString &subfolder);

    CourseDocument &m_document;
    int m_screen = -1;
    bool m_refreshing = false;
    QLabel *m_inset;
    QComboBox *m_insetPlace;
    QComboBox *m_loop;
    QPushButton *m_sequence;
    QSpinBox *m_period;
    QComboBox *m_sequenceSound;
    QPushButton *m_removeSequence;
    QList<QWidget *> m_sequenceParts; // shown where the screen has a sequence
    LookTarget m_look;
    QComboBox *m_lookList;
    QLineEdit *m_groupId;
    QComboBox *m_lookShape;
    QPushButton *m_addTarget;
    QPushButton *m_deleteTarget;
    QPushButton *m_deleteGroup;
    QPushButton *m_addWatch;
};

} // namespace kelvora
