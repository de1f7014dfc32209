#pragma once
// Fotos: one picture at its natural size in a window of its own. While it is
// open the main window (and the phenological-states window, if open) is
// disabled; a click on the picture gives them back and closes it.

#include "shell/Screen.h"

class PictureBox;

class PhotoViewer : public Screen {
    Q_OBJECT
public:
    PhotoViewer();
    void load() override;
    // However the viewer is closed, the windows under it are usable again.
    void unload() override;

    // The contract every screen follows to enlarge one of its boxes: nothing
    // for an empty box; otherwise the viewer gets the box's picture, is sized
    // to it plus 75 twips of width and 475 of height, and is shown.
    static void enlarge(const PictureBox *box);

    PictureBox *picture() const { return m_image; }

protected:
    bool event(QEvent *event) override;

private:
    void pictureClicked();
    void fitToPicture();

    PictureBox *m_image;
};
