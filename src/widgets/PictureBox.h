#pragma once
// A picture box: shows one picture, fitted to the box (its proportions kept,
// centred on the box's background) or at its natural size, and remembers the
// data path it was loaded from, so the viewer, the tests and the scenario
// runner can tell which photo is on screen. A box that does something when
// clicked can take the keyboard focus, and Space or Enter then clicks it.

#include <QPixmap>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString picturePath READ picturePath)
    Q_PROPERTY(bool hasPicture READ hasPicture)
public:
    enum class Mode { Stretch, Natural };

    explicit PictureBox(QWidget *parent = nullptr, Mode mode = Mode::Stretch);

    // Loads the picture file at a built path (separators as the program
    // builds them). False when the file cannot be decoded as a picture; the
    // box then keeps what it showed.
    bool loadFile(const QString &builtPath);
    void setPicture(const QPixmap &picture, const QString &builtPath);
    void clear();

    bool hasPicture() const { return !m_picture.isNull(); }
    const QPixmap &picture() const { return m_picture; }
    QString picturePath() const { return m_path; }

    QSize sizeHint() const override;

    // Whether the box takes the keyboard focus while it holds a picture.
    void setKeyboardClickable(bool clickable);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    Mode m_mode;
    QPixmap m_picture;
    QString m_path;
    bool m_pressed = false;
    bool m_keyboardClickable = false;

    void updateFocusPolicy();
};
