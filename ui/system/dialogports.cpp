#include "ui/system/dialogports.h"

#include "ui/widgets/textdisplay.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer DialogMessageSink::show(const Message &message) {
    const bool yesNo = message.buttons == MessageButtons::YesNo;
    QMessageBox box(boxIcon(message.icon), message.shownTitle(),
                    withDisplayLineBreaks(message.text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    // Data-file text in a box is shown as it stands, never read as markup.
    box.setTextFormat(Qt::PlainText);
    if (yesNo)
        box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

QString DialogTextPrompt::askText(const QString &prompt, const QString &title) {
    const QString shownTitle = title.isEmpty() ? QString::fromLatin1(ApplicationTitle) : title;
    return QInputDialog::getText(nullptr, shownTitle, withDisplayLineBreaks(prompt));
}
