#pragma once
// Small builders for the controls every screen lays out: each is created with
// the name its screen's design gives it, which the menus, the scenarios and
// the accessibility tree find it by.

#include <QString>

#include <functional>

class QLabel;
class QPixmap;
class QPushButton;
class QWidget;

namespace named {

enum class Pointer { Arrow, Hand };
enum class Wrap { Off, On };

// A command button at least 30 px high; with Pointer::Hand the hand shows
// over it.
QPushButton *button(QWidget *parent, const char *name, const QString &caption, Pointer pointer = Pointer::Arrow);
// A text label; wrapped unless Wrap::Off.
QLabel *label(QWidget *parent, const char *name, const QString &text, Wrap wrap = Wrap::On);
// A picture at its own size.
QLabel *picture(QWidget *parent, const char *name, const QPixmap &pixmap);

}  // namespace named

// Escape closes the window as its own way of closing does.
void closeOnEscape(QWidget *window, const std::function<void()> &close);
