#pragma once
// A simple combo box: a text field with its list always shown beneath it.
// Clicking an item, or moving to it with the arrow keys, puts it in the text
// field; a double click on an item, or Enter in the field or the list, asks
// for a look-up.

#include <QWidget>

class QLineEdit;
class QListWidget;

class SimpleCombo : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QStringList items READ items)
public:
    explicit SimpleCombo(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    QStringList items() const;
    void addItem(const QString &item);
    QLineEdit *lineEdit() const { return m_edit; }
    QListWidget *list() const { return m_list; }

    // As the user picking an item with the mouse; false when it is not listed.
    Q_INVOKABLE bool pickItem(const QString &item);
    // As a double click on the list's current item.
    Q_INVOKABLE void doubleClickCurrent();

signals:
    void lookUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_edit;
    QListWidget *m_list;
};
