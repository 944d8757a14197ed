#include "ui/periodictable/frmpt.h"

#include "ui/fonts/fonts.h"
#include "ui/periodictable/periodictableview.h"
#include "ui/pictures/pictures.h"

#include <QFontMetrics>
#include <QLabel>

namespace {

constexpr QSize ClientSize(608, 375);
constexpr QPoint ScreenPosition(397, 30);

// Both labels stand over the empty top middle of the table.
constexpr QRect CreditGeometry(152, 16, 151, 18);
constexpr QRect SourceGeometry(136, 40, 209, 18);

// A fallback font may need more room than the label was laid out with: the label grows about
// its centre rather than clipping the text.
QRect roomFor(const QRect &laidOut, const QFontMetrics &metrics, const QString &text) {
    QRect room(QPoint(), metrics.size(Qt::TextSingleLine, text).expandedTo(laidOut.size()));
    room.moveCenter(laidOut.center());
    return room;
}

void addLabel(QWidget *window, const QString &objectName, const QString &text,
              const QRect &laidOut) {
    auto *label = new QLabel(text, window);
    label->setObjectName(objectName);
    label->setFont(Fonts::resolve(QStringLiteral("Lucida Sans"), 12));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(roomFor(laidOut, label->fontMetrics(), text));
}

} // namespace

frmPT::frmPT(QWidget *parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmPT"));
    setWindowTitle(QStringLiteral("Ionarch: - Periodic Table"));
    setWindowIcon(Pictures::programIcon());
    setFixedSize(ClientSize);
    move(ScreenPosition);

    auto *table = new PeriodicTableView(this);
    table->setGeometry(rect());

    addLabel(this, QStringLiteral("lblCredit"), QStringLiteral("Periodic table from:"),
             CreditGeometry);
    // The source of the element data the table shows.
    addLabel(this, QStringLiteral("lblSource"), QStringLiteral("www.iupac.org"), SourceGeometry);
}
