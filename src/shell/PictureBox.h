#pragma once
// A picture box: shows one picture, stretched to the box or at its natural
// size, and remembers the data path it was loaded from, so the viewer, the
// tests and the scenario runner can tell which photo is on screen.

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

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    Mode m_mode;
    QPixmap m_picture;
    QString m_path;
    bool m_pressed = false;
};
