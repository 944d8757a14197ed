#include "ui/progress/frmprogress.h"

#include "ui/fonts/fonts.h"
#include "ui/pictures/pictures.h"
#include "ui/progress/mistakeschart.h"
#include "ui/progress/progresstables.h"
#include "ui/widgets/colouredlabel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using namespace Qt::StringLiterals;

// The colours of the options window's frames.
constexpr QRgb SkillsColour = qRgb(255, 255, 192);
constexpr QRgb SeriesColour = qRgb(192, 255, 255);
constexpr QRgb MistakesColour = qRgb(192, 255, 192);
constexpr QRgb ButtonColour = qRgb(224, 224, 224);

QString summary(const ProgressFigures &figures) {
    if (figures.tries == 0)
        return u"No tries yet: answer a few questions, and your progress shows here."_s;
    const auto mastered = std::count_if(figures.skills.begin(), figures.skills.end(),
                                        [](const SkillFigures &skill) { return skill.mastered; });
    return u"%1 tries in %2 series; %3 of %4 skills mastered."_s.arg(figures.tries)
        .arg(figures.series.size())
        .arg(mastered)
        .arg(figures.skills.size());
}

QPushButton *addButton(QLayout *layout, const QString &text, const char *name) {
    auto *button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setFont(Fonts::resolve(u"MS Sans Serif"_s, 10, QFont::Bold));
    button->setMinimumSize(130, 36);
    QPalette colours = button->palette();
    colours.setColor(QPalette::Button, QColor(ButtonColour));
    button->setPalette(colours);
    layout->addWidget(button);
    return button;
}

// Each column as wide as its contents, the table at least as wide as its columns, and the last
// column taking any room left.
void fitColumns(QTableView &table) {
    QHeaderView *header = table.horizontalHeader();
    header->setStretchLastSection(false);
    table.resizeColumnsToContents();
    table.setMinimumWidth(header->length() + 2 * table.frameWidth() +
                          table.verticalScrollBar()->sizeHint().width());
    header->setStretchLastSection(true);
}

} // namespace

frmProgress::frmProgress(QWidget *parent)
    : QDialog(parent) {
    setObjectName(u"frmProgress"_s);
    setWindowTitle(u"Ionarch: - Progress"_s);
    setWindowIcon(Pictures::programIcon());
    setFont(Fonts::resolve(u"Arial"_s, 9));

    m_chkPractise = new QCheckBox(u"&Practise my weak spots"_s);
    m_chkPractise->setObjectName(u"chkPractise"_s);
    m_chkPractise->setFont(Fonts::resolve(u"Arial"_s, 9.75, QFont::Bold));
    connect(m_chkPractise, &QCheckBox::toggled, this, &frmProgress::practisingChanged);
    m_lblSummary = new QLabel;
    m_lblSummary->setObjectName(u"lblSummary"_s);
    m_lblSummary->setFont(Fonts::resolve(u"Arial"_s, 9.75, QFont::Bold));
    auto *top = new QHBoxLayout;
    top->addWidget(m_chkPractise);
    top->addStretch();
    top->addWidget(m_lblSummary);

    QGroupBox *skills = addFrame("skillsFrame", u"Skills, weakest first"_s, SkillsColour);
    addTable(skills, "tblSkills", m_skills);
    QGroupBox *series = addFrame("seriesFrame", u"Series so far, the latest first"_s, SeriesColour);
    addTable(series, "tblSeries", m_series);
    QGroupBox *mistakes =
        addFrame("mistakesFrame", u"Mistakes by kind, week by week"_s, MistakesColour);
    m_chart = new MistakesChart;
    mistakes->layout()->addWidget(m_chart);
    addTable(mistakes, "tblMistakes", m_mistakes);
    // The table as wide as its columns, the picture the rest.
    static_cast<QBoxLayout *>(mistakes->layout())->setStretch(0, 1);

    auto *figures = new QHBoxLayout;
    figures->addWidget(skills, 3);
    figures->addWidget(series, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton *save = addButton(buttons, u"&Save results..."_s, "cmdSave");
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &frmProgress::saveResultsRequested);
    QPushButton *close = addButton(buttons, u"Close"_s, "cmdClose");
    close->setDefault(true);
    // Escape rejects the dialog, which hides it just as Close does.
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(figures, 3);
    layout->addWidget(mistakes, 2);
    layout->addLayout(buttons);
    resize(1040, 660);

    const QList<QWidget *> tabStops{m_chkPractise, m_tables[0], m_tables[1], m_chart,
                                    m_tables[2],   save,        close};
    for (qsizetype stop = 1; stop < tabStops.size(); ++stop)
        setTabOrder(tabStops[stop - 1], tabStops[stop]);
}

QGroupBox *frmProgress::addFrame(const char *name, const QString &title, QRgb colour) {
    auto *frame = new QGroupBox(title);
    frame->setObjectName(QLatin1String(name));
    frame->setStyleSheet(colouredFrameStyleSheet(QColor(colour), Qt::black));
    frame->setFont(Fonts::resolve(u"Arial"_s, 9.75, QFont::Bold));
    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(8, 12, 8, 8);
    return frame;
}

QTableView *frmProgress::addTable(QGroupBox *frame, const char *name, QStandardItemModel &model) {
    auto *table = new QTableView;
    table->setObjectName(QLatin1String(name));
    table->setModel(&model);
    table->setAccessibleName(frame->title());
    table->setFont(Fonts::resolve(u"Arial"_s, 9));
    table->horizontalHeader()->setFont(Fonts::resolve(u"Arial"_s, 9, QFont::Bold));
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The longest names of mistakes are cut short, so that the weeks beside them fit.
    table->horizontalHeader()->setMaximumSectionSize(210);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    // Measured on the first hundred rows: a long record has thousands of series, alike in width.
    table->horizontalHeader()->setResizeContentsPrecision(100);
    // Tab goes on to the next part of the window; the arrow keys move within the table.
    table->setTabKeyNavigation(false);
    frame->layout()->addWidget(table);
    m_tables << table;
    return table;
}

void frmProgress::showFigures(const ProgressFigures &figures) {
    ProgressTables::fillSkills(m_skills, figures.skills);
    ProgressTables::fillSeries(m_series, figures.series);
    ProgressTables::fillMistakes(m_mistakes, figures);
    m_chart->setFigures(figures.weeks, figures.mistakeKinds);
    m_lblSummary->setText(summary(figures));
    for (QTableView *table : std::as_const(m_tables))
        fitColumns(*table);
}

void frmProgress::setPractising(bool on) {
    m_chkPractise->setChecked(on);
}
