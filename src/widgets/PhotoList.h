#pragma once
// A list of photo rows (NombreEnfermedad, Foto, Descripcion) shown one at a
// time in a picture box with its caption, stepped by SIGUIENTE and ANTERIOR:
// the result screen's diagnosis photos and the treatment screen's treatment
// photos. The position counts from 1; an empty list never moves and leaves
// both buttons disabled.

#include <functional>

#include "platform/jet/RecordSet.h"

class QLabel;
class QPushButton;
class PictureBox;

class PhotoList {
public:
    using Enable = std::function<void(QPushButton *, bool)>;

    PhotoList(PictureBox *photo, QLabel *caption, QPushButton *next, QPushButton *previous, Enable enable = {});

    // Takes the rows of a query; shows the first one, if any.
    void open(jet::RecordSet rows);
    void next();
    void previous();
    void close();
    bool isOpen() const { return m_rows.isOpen(); }

    // The photo path of a row as the program builds it.
    static QString photoPath(const jet::RecordSet &row);

private:
    void showRow();
    void setEnabled(QPushButton *button, bool enabled);

    PictureBox *m_photo;
    QLabel *m_caption;
    QPushButton *m_next;
    QPushButton *m_previous;
    Enable m_enable;
    jet::RecordSet m_rows;
    qint16 m_position = 0;
};
