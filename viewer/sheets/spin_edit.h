// An edit field with up and down arrows that keeps whatever the user types.
#pragma once

#include <QAbstractSpinBox>

namespace grafyon {

// Like an edit with an up-down control beside it: the arrows (and the Up and Down keys)
// step the number within the spin range, but typed text is never corrected or clamped,
// so that an entry outside the range reaches the dialog's check and its message instead
// of being swallowed.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    SpinEdit(int minimum, int maximum, QWidget* parent = nullptr);

    int SpinMinimum() const { return m_minimum; }
    int SpinMaximum() const { return m_maximum; }
    void SetValue(int value);
    void SetText(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

signals:
    void TextEdited(const QString& text);

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_minimum;
    int m_maximum;
};

}  // namespace grafyon
