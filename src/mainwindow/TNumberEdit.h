#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

/// A digits-only field with up and down buttons whose steps stay within a range. Unlike a spin box it can
/// show a value from outside the range (read from a file) and keep it until the user edits the field.
class TNumberEdit : public QWidget
{
    Q_OBJECT

public:
    TNumberEdit(int minimum, int maximum, QWidget* parent = nullptr);

    /// Shows the value as it is, even outside the range, and marks the field as not edited.
    void SetValue(int value);
    /// The value shown; an empty field reads as the minimum.
    int Value() const;
    /// The position of the spinner: the value clamped to the range.
    int Position() const;
    /// Whether the user changed the field since the last `SetValue`.
    bool Edited() const { return m_edited; }

    QLineEdit& Field() const { return *m_field; }
    QString Text() const;

Q_SIGNALS:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int delta);

    QLineEdit* m_field;
    QToolButton* m_up;
    QToolButton* m_down;
    int m_minimum;
    int m_maximum;
    bool m_edited = false;
    bool m_setting = false;
};
