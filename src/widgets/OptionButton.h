#pragma once
// An option of a question screen: a radio button whose long caption wraps
// over several lines instead of widening the screen. text() is the caption
// exactly as given.

#include <QRadioButton>

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString &caption, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QRect indicatorRect() const;
    int textLeft() const;
};
