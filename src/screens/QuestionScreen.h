#pragma once
// One question screen, run from its table (ScreenTable.h): options that store
// keys and change photos, photo boxes with their pointer and click rules, the
// hint box Text1 and the three buttons VOLVER, SIGUIENTE and TERMINAR.

#include <QHash>
#include <QList>

#include "core/ScreenTable.h"
#include "shell/Screen.h"

class QButtonGroup;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class PictureBox;
class PointerTracker;

class QuestionScreen : public Screen {
    Q_OBJECT
public:
    explicit QuestionScreen(const q::ScreenTable &table);
    void load() override;

    const q::ScreenTable &table() const { return m_table; }
    PictureBox *box(int index) const { return m_boxes.value(index); }
    QRadioButton *option(int index) const { return m_options.value(index); }
    int selectedOption() const;  // 0 when none

    // Loads a photo below RutaFotos into a box with the existence check;
    // a missing or unreadable file leaves the box as it was.
    static bool loadPhoto(PictureBox *box, const QString &relative);

    // The hint box (Text1), as every question screen shows it.
    static constexpr int kHintPixelSize = 10;
    static QPlainTextEdit *makeHintBox(QWidget *parent);

private:
    void optionClicked(int index);
    void runAction(const q::Action &action);
    void pointerOver(QWidget *control);
    void boxPointer(int index);
    void boxClicked(int index);
    bool holds(const q::Condition &condition, const PictureBox *box) const;
    QString optionHint(const q::OptionDef &option) const;
    void setHint(const QString &text);
    void volver();
    void siguiente();

    const q::ScreenTable &m_table;
    QHash<int, PictureBox *> m_boxes;
    QHash<int, QRadioButton *> m_options;
    QButtonGroup *m_group;
    QPlainTextEdit *m_hint;
    PointerTracker *m_tracker;
};
