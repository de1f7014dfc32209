#include "widgets/PictureBox.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "core/FileCheck.h"

PictureBox::PictureBox(QWidget *parent, Mode mode) : QWidget(parent), m_mode(mode) { }

bool PictureBox::loadFile(const QString &builtPath)
{
    QImageReader reader(FileCheck::nativePath(builtPath));
    // Photos upright as the camera saw them: its EXIF orientation (a camera
    // held sideways stores the picture turned) is applied on reading, so the
    // boxes and the viewer, which takes its size from the picture, agree.
    reader.setAutoTransform(true);
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

void PictureBox::setKeyboardClickable(bool clickable)
{
    m_keyboardClickable = clickable;
    updateFocusPolicy();
}

void PictureBox::updateFocusPolicy()
{
    setFocusPolicy(m_keyboardClickable && hasPicture() ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureBox::setPicture(const QPixmap &picture, const QString &builtPath)
{
    m_picture = picture;
    m_path = builtPath;
    if (m_mode == Mode::Natural)
        setFixedSize(picture.deviceIndependentSize().toSize());
    updateFocusPolicy();
    update();
}

void PictureBox::clear()
{
    m_picture = QPixmap();
    m_path.clear();
    updateFocusPolicy();
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
    if (m_mode == Mode::Stretch) {
        QRect target(QPoint(), m_picture.deviceIndependentSize().toSize().scaled(size(), Qt::KeepAspectRatio));
        target.moveCenter(rect().center());
        p.drawPixmap(target, m_picture);
    } else {
        p.drawPixmap(0, 0, m_picture);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (m_keyboardClickable && !event->isAutoRepeat()
        && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
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
