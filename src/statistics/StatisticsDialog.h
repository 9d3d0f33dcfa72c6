// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QDialog>
#include <QHash>
#include <QTimeZone>

class QLabel;
class QListWidget;
class QPushButton;

namespace accessibility {
class StatusAnnouncer;
}
namespace progress {
class ProgressStore;
}

namespace statistics {

class BarChart;

// The picture of the learner's progress: boards reviewed on each of the last 30 days, cards due
// today and in the next 7 days, the share right at the first test by tense and by verb type,
// the verbs most often graded Again; and the commands to export the review log as CSV and to
// forget all progress. Shown modally:
//     statistics::StatisticsDialog dialog(store, window);
//     dialog.exec();
// The store may be null or have no file: the view then says that no progress is kept. A store
// with a file that is not open yet is opened (which writes nothing).
class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    explicit StatisticsDialog(progress::ProgressStore *store, QWidget *parent = nullptr);

    // Each verb's type ("Weak", ...), as statistics::verbTypeNames gives it from the verb file:
    // the log knows verbs only by name. Without it the share by verb type stays empty.
    void setVerbTypes(const QHash<QString, QString> &typeOfVerb);
    // The moment and time zone whose calendar days the figures count (the clock's by default).
    void setNow(const QDateTime &now, const QTimeZone &zone);

    // Reads the figures again from the store.
    void refresh();

signals:
    // Every grade is gone and the store is closed: a review in progress cannot be kept.
    void progressForgotten();

private:
    QWidget *buildFigures();
    bool hasProgress() const;
    void exportCsv();
    void forgetAll();
    void report(const QString &message);

    progress::ProgressStore *store_;
    QHash<QString, QString> typeOfVerb_;
    QDateTime now_;
    QTimeZone zone_;

    QLabel *note_ = nullptr; // no progress kept, or why the store cannot be read
    QWidget *figures_ = nullptr;
    QLabel *dueSummary_ = nullptr;
    BarChart *dueChart_ = nullptr;
    BarChart *reviewsChart_ = nullptr;
    BarChart *tenseChart_ = nullptr;
    BarChart *typeChart_ = nullptr;
    QListWidget *againList_ = nullptr;
    QLabel *status_ = nullptr; // what Export or Forget did
    QPushButton *export_ = nullptr;
    QPushButton *forget_ = nullptr;
    QPushButton *close_ = nullptr;
    accessibility::StatusAnnouncer *announcer_ = nullptr;
};

} // namespace statistics
