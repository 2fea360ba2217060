#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace kelvora {

class CourseDocument;

// What only a screen has: its inset (a picture on the left or right), the engine
// loop that plays from its load, and a timed sequence after its last step
// (photographs shown one per period, with a sound).
class ScreenPanel : public QWidget {
    Q_OBJECT
public:
    explicit ScreenPanel(CourseDocument &document, QWidget *parent = nullptr);

    void showScreen(int screen);
    void chooseInset();
    void chooseSequencePhotographs();

signals:
    void problem(const QString &message);

private:
    void refresh();
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
};

} // namespace kelvora
