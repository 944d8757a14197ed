#include "ui/widgets/wrappingpushbutton.h"

#include "ui/widgets/wrappingbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrappingPushButton::paintEvent(QPaintEvent *) {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect caption = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    option.text = wrapToWidth(option.text, font(), caption.width());
    QStylePainter(this).drawControl(QStyle::CE_PushButton, option);
}
