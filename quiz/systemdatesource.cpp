#include "quiz/systemdatesource.h"

#include <QDate>
#include <QLocale>

QString SystemDateSource::shortDate() const {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}
