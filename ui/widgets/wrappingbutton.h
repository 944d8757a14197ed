#pragma once

#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <type_traits>

// The text broken into lines at word boundaries so that no line is wider than width.
QString wrapToWidth(const QString &text, const QFont &font, int width);

// An option button or check box whose caption goes on over further lines where it is
// wider than the button, as the narrow, tall buttons of the options window need. The
// whole button answers clicks, not only its caption. Every check box is a Tab stop of its
// own, also in a button group, where Qt would let only the member last focused take Tab.
template <class Button> class WrappingButton : public Button {
public:
    using Button::Button;

protected:
    void paintEvent(QPaintEvent *) override {
        QStyleOptionButton option;
        this->initStyleOption(&option);
        const QRect caption = this->style()->subElementRect(CaptionElement, &option, this);
        option.text = wrapToWidth(option.text, this->font(), caption.width());
        QStylePainter(this).drawControl(ButtonElement, option);
    }

    bool hitButton(const QPoint &pos) const override { return this->rect().contains(pos); }

    void focusInEvent(QFocusEvent *event) override {
        if constexpr (IsOption)
            Button::focusInEvent(event);
        else
            QWidget::focusInEvent(event); // not the group's single Tab stop
    }

private:
    static constexpr bool IsOption = std::is_base_of_v<QRadioButton, Button>;
    static constexpr QStyle::ControlElement ButtonElement =
        IsOption ? QStyle::CE_RadioButton : QStyle::CE_CheckBox;
    static constexpr QStyle::SubElement CaptionElement =
        IsOption ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
};

using WrappingRadioButton = WrappingButton<QRadioButton>;
using WrappingCheckBox = WrappingButton<QCheckBox>;
