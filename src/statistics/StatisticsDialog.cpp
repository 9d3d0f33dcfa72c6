// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics/StatisticsDialog.h"

#include "access/StatusAnnouncer.h"
#include "progress/ProgressStore.h"
#include "progress/Statistics.h"
#include "statistics/BarChart.h"
#include "statistics/FigureText.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace statistics {

namespace {

const QString NoProgressText = QStringLiteral("No progress kept yet: start a review to keep it.");

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

} // namespace

StatisticsDialog::StatisticsDialog(progress::ProgressStore *store, QWidget *parent)
    : QDialog(parent), store_(store), now_(QDateTime::currentDateTime()),
      zone_(QTimeZone::systemTimeZone())
{
    setWindowTitle(QStringLiteral("Statistics"));
    setModal(true);

    note_ = new QLabel(this);
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // The figures scroll when large lettering or a small screen leaves too little room.
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    figures_ = buildFigures();
    scroll->setWidget(figures_);

    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    announcer_ = new accessibility::StatusAnnouncer(this);

    export_ = new QPushButton(QStringLiteral("&Export CSV…"), this);
    export_->setToolTip(QStringLiteral("Save the review log as a CSV file a spreadsheet opens "
                                       "(Alt+E)"));
    forget_ = new QPushButton(QStringLiteral("&Forget all progress…"), this);
    forget_->setToolTip(QStringLiteral("Delete every grade and every card's schedule; asks "
                                       "first (Alt+F)"));
    close_ = new QPushButton(QStringLiteral("Close"), this);
    close_->setToolTip(QStringLiteral("Close the statistics (Esc)"));
    close_->setDefault(true);
    connect(export_, &QPushButton::clicked, this, &StatisticsDialog::exportCsv);
    connect(forget_, &QPushButton::clicked, this, &StatisticsDialog::forgetAll);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(export_);
    buttons->addWidget(forget_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(scroll, 1);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    const QList<QWidget *> tabOrder = {reviewsChart_, dueChart_, againList_, tenseChart_,
                                       typeChart_,    export_,   forget_,    close_};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    note_->setObjectName(QStringLiteral("note"));
    status_->setObjectName(QStringLiteral("status"));
    export_->setObjectName(QStringLiteral("exportButton"));
    forget_->setObjectName(QStringLiteral("forgetButton"));
    close_->setObjectName(QStringLiteral("closeButton"));
    refresh();

    // As large as the figures want, within the screen.
    const QRect screen =
        (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const QSize wanted = figures_->sizeHint() + QSize(40, 40 + 6 * fontMetrics().height());
    resize(std::min(wanted.width(), screen.width() * 9 / 10),
           std::min(wanted.height(), screen.height() * 9 / 10));
}

QWidget *StatisticsDialog::buildFigures()
{
    auto *figures = new QWidget;
    auto *grid = new QGridLayout(figures);
    grid->setContentsMargins(0, 0, 0, 0);

    const QString reviewsTitle = QStringLiteral("Boards reviewed per day, last 30 days");
    reviewsChart_ = new BarChart(BarChart::Shape::Columns, reviewsTitle, figures);
    const QString dueTitle = QStringLiteral("Cards due today and in the next 7 days");
    dueSummary_ = new QLabel(figures);
    dueSummary_->setWordWrap(true);
    dueChart_ = new BarChart(BarChart::Shape::Columns, dueTitle, figures);
    dueChart_->setKeptLabel(KeptLabel::First);
    const QString againTitle = QStringLiteral("Verbs most often graded Again");
    againList_ = new QListWidget(figures);
    againList_->setAccessibleName(againTitle);
    const QString tenseTitle = QStringLiteral("Right at the first test, by tense");
    tenseChart_ = new BarChart(BarChart::Shape::Rows, tenseTitle, figures);
    const QString typeTitle = QStringLiteral("Right at the first test, by verb type");
    typeChart_ = new BarChart(BarChart::Shape::Rows, typeTitle, figures);
    tenseChart_->setEmptyText(QStringLiteral("No boards reviewed yet."));
    typeChart_->setEmptyText(QStringLiteral("No boards of a known verb type reviewed yet."));
    reviewsChart_->setEmptyText(QStringLiteral("No boards reviewed yet."));
    dueChart_->setEmptyText(QStringLiteral("No cards yet."));

    reviewsChart_->setObjectName(QStringLiteral("reviewsChart"));
    dueChart_->setObjectName(QStringLiteral("dueChart"));
    againList_->setObjectName(QStringLiteral("againList"));
    tenseChart_->setObjectName(QStringLiteral("tenseChart"));
    typeChart_->setObjectName(QStringLiteral("typeChart"));

    grid->addWidget(heading(reviewsTitle, figures), 0, 0, 1, 2);
    grid->addWidget(reviewsChart_, 1, 0, 1, 2);
    grid->addWidget(heading(dueTitle, figures), 2, 0);
    grid->addWidget(dueSummary_, 3, 0);
    grid->addWidget(dueChart_, 4, 0);
    grid->addWidget(heading(againTitle, figures), 2, 1);
    grid->addWidget(againList_, 3, 1, 2, 1);
    grid->addWidget(heading(tenseTitle, figures), 5, 0);
    grid->addWidget(tenseChart_, 6, 0, Qt::AlignTop);
    grid->addWidget(heading(typeTitle, figures), 5, 1);
    grid->addWidget(typeChart_, 6, 1, Qt::AlignTop);
    grid->setRowStretch(1, 1); // room to spare goes to the days
    // All ten verbs at once, without scrolling.
    againList_->setMinimumHeight(10 * againList_->fontMetrics().height() +
                                 2 * againList_->frameWidth() + 4);
    return figures;
}

void StatisticsDialog::setVerbTypes(const QHash<QString, QString> &typeOfVerb)
{
    typeOfVerb_ = typeOfVerb;
    refresh();
}

void StatisticsDialog::setNow(const QDateTime &now, const QTimeZone &zone)
{
    now_ = now;
    zone_ = zone;
    refresh();
}

bool StatisticsDialog::hasProgress() const
{
    return store_ && store_->isOpen();
}

void StatisticsDialog::refresh()
{
    if (store_ && !store_->isOpen() && store_->exists())
        store_->open();
    const bool open = hasProgress();
    if (!open)
        note_->setText(store_ && store_->exists() ? store_->status().message() : NoProgressText);
    note_->setVisible(!open);
    figures_->setVisible(open);
    export_->setEnabled(open);
    forget_->setEnabled(open);
    if (!open)
        return;

    const progress::Statistics figures(*store_, now_, zone_);
    reviewsChart_->setValues(reviewDayColumns(figures.reviewsPerDay(30)));
    const QList<progress::DayCount> due = figures.cardsDue(7);
    dueSummary_->setText(dueSummary(due));
    dueChart_->setValues(dueDayColumns(due));
    dueChart_->setAccessibleDescription(dueSummary(due) + QLatin1Char('\n') +
                                        dueChart_->accessibleDescription());
    tenseChart_->setValues(shareRows(figures.firstTestShareByTense()));
    typeChart_->setValues(shareRows(figures.firstTestShareByVerbType(typeOfVerb_)));
    againList_->clear();
    const QStringList again = againLines(figures.mostOftenAgain(10));
    againList_->addItems(again.isEmpty() ? QStringList{QStringLiteral("None so far.")} : again);
}

void StatisticsDialog::report(const QString &message)
{
    status_->setText(message);
    announcer_->announce(message);
}

void StatisticsDialog::exportCsv()
{
    if (!hasProgress())
        return;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString name = QStringLiteral("german-verb-zandrel-reviews-%1.csv")
                             .arg(now_.toTimeZone(zone_).date().toString(Qt::ISODate));
    QFileDialog chooser(this, QStringLiteral("Export CSV"), QDir(folder).filePath(name),
                        QStringLiteral("CSV files (*.csv);;All files (*)"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDefaultSuffix(QStringLiteral("csv"));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QString path = chooser.selectedFiles().constFirst();
    const QString shown = QDir::toNativeSeparators(path);
    QString error;
    if (store_->exportCsv(path, zone_, &error))
        report(QStringLiteral("The review log was exported to “%1”.").arg(shown));
    else
        report(QStringLiteral("The review log could not be exported to “%1”: %2.")
                   .arg(shown, error.isEmpty() ? QStringLiteral("it cannot be written") : error));
}

void StatisticsDialog::forgetAll()
{
    if (!hasProgress())
        return;
    QMessageBox question(QMessageBox::Question, QStringLiteral("Forget all progress"),
                         QStringLiteral("Forget all progress? Every grade and every card's "
                                        "schedule in “%1” is deleted. This cannot be undone.")
                             .arg(QDir::toNativeSeparators(store_->filePath())),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    question.setEscapeButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    const progress::StoreStatus status = store_->forgetAll();
    refresh();
    close_->setFocus();
    if (status.outcome == progress::StoreOutcome::NoStore) {
        report(QStringLiteral("All progress is forgotten."));
        emit progressForgotten();
    } else {
        report(status.message());
    }
}

} // namespace statistics
