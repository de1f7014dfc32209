#include "shell/PictureBox.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include "shell/FileCheck.h"

PictureBox::PictureBox(QWidget *parent, Mode mode) : QWidget(parent), m_mode(mode) {}

bool PictureBox::loadFile(const QString &builtPath)
{
    QImageReader reader(FileCheck::nativePath(builtPath));
    reader.setAutoTransform(false);
    // Refuse absurd sizes before decoding.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > 100'000'000)
        return false;
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    setPicture(QPixmap::fromImage(image), builtPath);
    return true;
}

void PictureBox::setPicture(const QPixmap &picture, const QString &builtPath)
{
    m_picture = picture;
    m_path = builtPath;
    if (m_mode == Mode::Natural)
        setFixedSize(picture.deviceIndependentSize().toSize());
    update();
}

void PictureBox::clear()
{
    m_picture = QPixmap();
    m_path.clear();
    update();
}

QSize PictureBox::sizeHint() const
{
    return m_mode == Mode::Natural && hasPicture() ? m_picture.deviceIndependentSize().toSize() : QSize(100, 75);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_mode == Mode::Stretch)
        p.drawPixmap(rect(), m_picture);
    else
        p.drawPixmap(0, 0, m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
