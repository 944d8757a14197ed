#include "ui/progress/mistakeschart.h"

#include "ui/progress/progresstables.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <cmath>
#include <numeric>

namespace {

using namespace Qt::StringLiterals;

constexpr QRgb KindColours[MistakesChart::ColouredKinds] = {qRgb(0, 128, 160), qRgb(230, 130, 30),
                                                            qRgb(130, 70, 170), qRgb(50, 150, 60),
                                                            qRgb(200, 50, 50)};
constexpr QRgb OtherKindsColour = qRgb(160, 160, 160);
constexpr QRgb GridColour = qRgb(222, 222, 222);
constexpr int Margin = 8;
constexpr int KeyWidth = 150;
constexpr int KeySwatch = 11;
// The share of a week's room that its bar takes.
constexpr double BarShare = 0.6;

QColor segmentColour(int segment) {
    return QColor(segment < MistakesChart::ColouredKinds ? KindColours[segment] : OtherKindsColour);
}

// A step of 1, 2 or 5 times a power of ten that divides the highest bar in about four.
int gridStep(int highest) {
    const double rough = std::max(1.0, highest / 4.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= rough)
            return int(multiple * power);
    }
    return int(10 * power);
}

int total(const WeekFigures &week) {
    return std::accumulate(week.mistakes.cbegin(), week.mistakes.cend(), 0);
}

} // namespace

MistakesChart::MistakesChart(QWidget *parent)
    : QWidget(parent) {
    setObjectName(u"picMistakes"_s);
    setAccessibleName(u"Picture of the mistakes by kind, week by week"_s);
    // A screen reader reaches its description by the keyboard too.
    setFocusPolicy(Qt::TabFocus);
    setMinimumSize(360, 180);
}

QSize MistakesChart::sizeHint() const {
    return {400, 210};
}

void MistakesChart::setFigures(const QList<WeekFigures> &weeks, const QStringList &kinds) {
    m_weeks = weeks;
    m_kinds = kinds;
    QStringList totals;
    for (const WeekFigures &week : weeks)
        totals << QString::number(total(week));
    setAccessibleDescription(
        weeks.isEmpty()
            ? u"No tries yet."_s
            : u"A bar for each week from the week of %1 to the week of %2, as high as the wrong "
              "tries that week: %3. The table beside gives them by kind of mistake."_s.arg(
                  ProgressTables::weekLabel(weeks.first().monday),
                  ProgressTables::weekLabel(weeks.last().monday), totals.join(u", "_s)));
    update();
}

int MistakesChart::segments() const {
    return int(std::min<qsizetype>(m_kinds.size(), ColouredKinds)) +
           (m_kinds.size() > ColouredKinds ? 1 : 0);
}

int MistakesChart::countOf(const WeekFigures &week, int segment) const {
    if (segment < ColouredKinds)
        return week.mistakes.value(m_kinds[segment]);
    int others = 0;
    for (qsizetype kind = ColouredKinds; kind < m_kinds.size(); ++kind)
        others += week.mistakes.value(m_kinds[kind]);
    return others;
}

void MistakesChart::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
    const QRect area = rect().adjusted(Margin, Margin, -Margin, -Margin);
    painter.setPen(palette().color(QPalette::Text));
    if (m_weeks.isEmpty()) {
        painter.drawText(area, Qt::AlignCenter, u"No tries yet"_s);
        return;
    }
    paintKey(painter, area.adjusted(area.width() - KeyWidth, 0, 0, 0));
    paintBars(painter, area.adjusted(0, 0, -KeyWidth - Margin, 0));
}

void MistakesChart::paintBars(QPainter &painter, const QRect &area) const {
    const QFontMetrics metrics = painter.fontMetrics();
    const int axisWidth = metrics.horizontalAdvance(u"000"_s) + Margin;
    const QRect plot =
        area.adjusted(axisWidth, metrics.height() / 2, 0, -(metrics.height() + Margin / 2));
    int highest = 1;
    for (const WeekFigures &week : m_weeks)
        highest = std::max(highest, total(week));
    const int step = gridStep(highest);
    const int top = (highest + step - 1) / step * step;
    const auto yOf = [&](int count) { return plot.bottom() - plot.height() * count / top; };

    for (int count = 0; count <= top; count += step) {
        painter.setPen(count == 0 ? palette().color(QPalette::Text) : QColor(GridColour));
        painter.drawLine(plot.left(), yOf(count), plot.right(), yOf(count));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(area.left(), yOf(count) - metrics.height() / 2,
                               axisWidth - Margin / 2, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(count));
    }
    const double room = double(plot.width()) / double(m_weeks.size());
    const int barWidth = int(room * BarShare);
    for (qsizetype index = 0; index < m_weeks.size(); ++index) {
        const WeekFigures &week = m_weeks[index];
        const int left = plot.left() + int(room * double(index));
        const int barLeft = left + (int(room) - barWidth) / 2;
        int below = 0;
        for (int segment = 0; segment < segments(); ++segment) {
            const int count = countOf(week, segment);
            if (count == 0)
                continue;
            const QRect bar(QPoint(barLeft, yOf(below + count)),
                            QPoint(barLeft + barWidth - 1, yOf(below) - 1));
            painter.fillRect(bar, segmentColour(segment));
            painter.setPen(segmentColour(segment).darker(140));
            painter.drawRect(bar.adjusted(0, 0, -1, 0));
            below += count;
        }
        // The month only where it changes, so that eight weeks fit under their bars.
        const bool newMonth =
            index == 0 || m_weeks[index - 1].monday.month() != week.monday.month();
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(left, plot.bottom() + Margin / 2, int(room), metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop,
                         newMonth ? ProgressTables::weekLabel(week.monday)
                                  : QString::number(week.monday.day()));
    }
}

void MistakesChart::paintKey(QPainter &painter, const QRect &area) const {
    const QFontMetrics metrics = painter.fontMetrics();
    if (segments() == 0) {
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                         u"No mistakes in these weeks"_s);
        return;
    }
    int top = area.top();
    for (int segment = 0; segment < segments(); ++segment) {
        const QRect swatch(area.left(), top + (metrics.height() - KeySwatch) / 2, KeySwatch,
                           KeySwatch);
        painter.fillRect(swatch, segmentColour(segment));
        const QString label = segment < ColouredKinds
                                  ? ProgressTables::mistakeLabel(m_kinds[segment])
                                  : u"other kinds"_s;
        const QRect room(swatch.right() + Margin, top, area.right() - swatch.right() - Margin,
                         area.bottom() - top);
        QRect used;
        painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label, &used);
        top = used.bottom() + Margin / 2;
    }
}
