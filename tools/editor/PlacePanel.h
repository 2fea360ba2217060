#pragma once

#include "CoursePlace.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kelvora {

class CourseDocument;
class ScreenPanel;
class SdlSoundPlayer;

// The fields of the selected screen or step that are not texts: its id, the
// photograph (the screen's own, or the one a step's press leaves behind), the
// step's target shape, sound and number of presses, or the screen's inset, loop and sequence.
class PlacePanel : public QWidget {
    Q_OBJECT
public:
    explicit PlacePanel(CourseDocument &document, QWidget *parent = nullptr);
    ~PlacePanel() override;

    void showPlace(CoursePlace place);
    void refresh();
    // Copies the picture into the course's images/ and makes it the place's photograph.
    void usePhotograph(const QString &path);
    // For a step, the photographs its presses leave behind, one per press (two or more make a press counter).
    void usePhotographs(const QStringList &paths);
    // A step's number of presses: its photographs are cut, or the last one repeated.
    void setPresses(int presses);
    void useSound(const QString &path);
    void choosePhotograph();
    void chooseSound();
    void playSound();
    ScreenPanel *screenPanel() const { return m_screenPanel; }

signals:
    void problem(const QString &message);

private:
    void setShape(const QString &shape);
    void setTargetNumbers();

    CourseDocument &m_document;
    // Started at the first preview: an editor that plays nothing never opens the audio system.
    std::unique_ptr<SdlSoundPlayer> m_preview;
    CoursePlace m_place;
    bool m_refreshing = false;
    QLineEdit *m_id;
    QComboBox *m_shape;
    QComboBox *m_sound;
    QSpinBox *m_presses;
    QPushButton *m_play;
    QPushButton *m_chooseSound;
    QLabel *m_photograph;
    QPushButton *m_choosePhotograph;
    QWidget *m_stepRow;
    std::array<QSpinBox *, 4> m_numbers{};
    std::array<QLabel *, 4> m_numberLabels{};
    ScreenPanel *m_screenPanel;
};

// A target of that shape in the place and size of the given one.
QJsonObject reshapedTarget(const QJsonObject &target, const QString &shape);
// A new target: a square in the middle of the photograph it lies on.
QJsonObject middleTarget(const QString &photographPath);
// The shape a target object has ("rectangle", "circle", "oval"; "" for none).
QString targetShape(const QJsonObject &target);

} // namespace kelvora
