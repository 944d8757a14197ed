#include "ui/progress/resultssavedialog.h"

#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

using namespace Qt::StringLiterals;

// The span of days, or nothing when cancelled; an invalid span is the whole record.
struct Span {
    QDate first;
    QDate last;
};

std::optional<Span> askSpan(QWidget *parent) {
    QDialog dialog(parent);
    dialog.setObjectName(u"dlgSaveResults"_s);
    dialog.setWindowTitle(u"Save results"_s);
    auto *whole = new QRadioButton(u"The &whole record"_s);
    whole->setChecked(true);
    auto *days = new QRadioButton(u"Only the &days from ... to ..."_s);
    const QDate today = QDate::currentDate();
    auto *first = new QDateEdit(today.addDays(-6));
    auto *last = new QDateEdit(today);
    for (QDateEdit *edit : {first, last}) {
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        QObject::connect(days, &QRadioButton::toggled, edit, &QWidget::setEnabled);
    }
    first->setAccessibleName(u"First day"_s);
    last->setAccessibleName(u"Last day"_s);
    QObject::connect(first, &QDateEdit::dateChanged, last, &QDateEdit::setMinimumDate);
    auto *dates = new QFormLayout;
    dates->addRow(u"&From:"_s, first);
    dates->addRow(u"&To:"_s, last);
    dates->setContentsMargins(24, 0, 0, 0);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(u"&Save..."_s);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(u"Which of your results do you want to save?"_s));
    layout->addWidget(whole);
    layout->addWidget(days);
    layout->addLayout(dates);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return days->isChecked() ? Span{first->date(), last->date()} : Span{};
}

} // namespace

std::optional<ResultsToSave> FileResultsSaveDialog::askResultsToSave(QWidget *parent) {
    const std::optional<Span> span = askSpan(parent);
    if (!span)
        return std::nullopt;
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QString suggested =
        (documents.exists() ? documents : QDir::home())
            .filePath(u"ionarch-results_%1.tsv"_s.arg(QDate::currentDate().toString(Qt::ISODate)));
    const QString path = QFileDialog::getSaveFileName(parent, u"Save results"_s, suggested,
                                                      u"Results files (*.tsv)"_s);
    if (path.isEmpty())
        return std::nullopt;
    // From the start of the first day until the start of the day after the last.
    return ResultsToSave{path, span->first.startOfDay(), span->last.addDays(1).startOfDay()};
}
