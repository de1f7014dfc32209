#pragma once
// What the result and treatment screens have in common: the document box at
// the left (printed by the print menu), the photo at the top right with its
// caption and its SIGUIENTE and ANTERIOR buttons, whatever the screen adds
// below them, and the bottom row with VOLVER, the credits and TERMINAR.
// Clicking the photo (or Space on it) enlarges it.

#include <memory>

#include "shell/Screen.h"
#include "widgets/PhotoList.h"

class QLabel;
class QLayout;
class QPushButton;
class QTextEdit;
class QVBoxLayout;
class PictureBox;

class DocumentScreen : public Screen {
    Q_OBJECT
public:
    QTextDocument *printableDocument() override;

protected:
    // The names the screen's design gives its controls.
    struct Names {
        const char *document;
        const char *next;
        const char *previous;
        const char *back;
        const char *end;
    };

    // Creates the document box, the photo, its caption and the stepping
    // buttons; the photo list steps them (through `enable` when given).
    DocumentScreen(const QString &name, const Names &names, PhotoList::Enable enable = {});

    // Ends the layout once the screen has created its own controls (in that
    // order they take the focus with Tab): `extras` goes below the stepping
    // buttons, and the bottom row credits the photos with `photosCredit`.
    void finishLayout(QLayout *extras, const QString &photosCredit);

    virtual void volver() = 0;
    virtual void terminar() = 0;
    // The pointer is over a control of the screen: the hand over the photo
    // while it holds a picture.
    virtual void pointerOver(QWidget *control);

    QTextEdit *m_document;
    PictureBox *m_photo;
    QLabel *m_caption;
    QPushButton *m_next;
    QPushButton *m_previous;
    std::unique_ptr<PhotoList> m_list;

private:
    Names m_names;
};
