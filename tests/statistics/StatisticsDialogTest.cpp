// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MonthOfReviews.h"

#include "appearance/Contrast.h"
#include "statistics/BarChart.h"
#include "statistics/ChartColours.h"
#include "statistics/StatisticsDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using statistics::BarChart;
using statistics::StatisticsDialog;

namespace {

const QTimeZone Zone(3600);
const QDateTime Now(QDate(2026, 12, 8), QTime(12, 0), Zone);

// Runs `answer` on the next modal window other than `owner` once it is up (a file dialog or a
// question opened by a key in the owner).
void answerNextModal(QWidget *owner, std::function<void(QWidget *)> answer)
{
    auto *poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, owner, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == owner || !modal->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        answer(modal);
    });
    poll->start(20);
}

QStringList tabStops(int presses)
{
    QStringList names;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names << QApplication::focusWidget()->objectName();
    }
    return names;
}

} // namespace

class StatisticsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Under Wine the file dialog would be the system's own, which no key of ours reaches.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }
    void init()
    {
        QVERIFY(folder_.emplace().isValid());
        store_.emplace(folder_->path());
    }

    void withoutProgressItSaysSoAndWritesNothing_data();
    void withoutProgressItSaysSoAndWritesNothing();
    void aMonthOfReviewsIsShownAndReadByKeyboard();
    void exportWritesTheChosenFile();
    void forgetAsksFirstAndDefaultsToNo();
    void chartPixels_data();
    void chartPixels();

private:
    StatisticsDialog *monthDialog();

    std::optional<QTemporaryDir> folder_;
    std::optional<progress::ProgressStore> store_;
    std::unique_ptr<StatisticsDialog> dialog_;
};

StatisticsDialog *StatisticsDialogTest::monthDialog()
{
    store_->create();
    statisticstest::recordMonthOfReviews(*store_, Now);
    store_->close(); // the dialog opens a store that is there but closed
    dialog_ = std::make_unique<StatisticsDialog>(&*store_);
    dialog_->setNow(Now, Zone);
    dialog_->setVerbTypes(statisticstest::monthVerbTypes());
    dialog_->show();
    if (!QTest::qWaitForWindowActive(dialog_.get()))
        return nullptr;
    return dialog_.get();
}

void StatisticsDialogTest::withoutProgressItSaysSoAndWritesNothing_data()
{
    QTest::addColumn<bool>("nullStore");
    QTest::newRow("no store") << true;
    QTest::newRow("a store without a file") << false;
}

void StatisticsDialogTest::withoutProgressItSaysSoAndWritesNothing()
{
    QFETCH(bool, nullStore);
    StatisticsDialog dialog(nullStore ? nullptr : &*store_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *note = dialog.findChild<QLabel *>(QStringLiteral("note"));
    QCOMPARE(note->text(), QStringLiteral("No progress kept yet: start a review to keep it."));
    QVERIFY(note->isVisible());
    QVERIFY(!dialog.findChild<QWidget *>(QStringLiteral("reviewsChart"))->isVisible());
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("exportButton"))->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F,
                    Qt::AltModifier); // a disabled Forget asks nothing
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QVERIFY(QDir(folder_->path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

void StatisticsDialogTest::aMonthOfReviewsIsShownAndReadByKeyboard()
{
    const QList<int> perDay = [&] {
        store_->create();
        return statisticstest::recordMonthOfReviews(*store_, Now);
    }();
    store_->close();
    StatisticsDialog dialog(&*store_);
    dialog.setNow(Now, Zone);
    dialog.setVerbTypes(statisticstest::monthVerbTypes());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *reviews = dialog.findChild<BarChart *>(QStringLiteral("reviewsChart"));
    QList<int> shown;
    for (const statistics::ChartValue &day : reviews->values())
        shown << int(day.value);
    QCOMPARE(shown, perDay);
    QCOMPARE(reviews->values().back().label, QStringLiteral("8 Dec"));
    QVERIFY(
        reviews->accessibleDescription().endsWith(QStringLiteral("8 Dec: %1").arg(perDay.back())));
    QCOMPARE(dialog.findChild<BarChart *>(QStringLiteral("typeChart"))->values().size(), 5);
    auto *again = dialog.findChild<QListWidget *>(QStringLiteral("againList"));
    QVERIFY(again->count() > 0 && again->count() <= 10);
    QVERIFY(again->item(0)->text().contains(QStringLiteral("graded Again")));

    // Every figure and command is reached by Tab, in reading order, and Esc closes.
    reviews->setFocus();
    QCOMPARE(tabStops(7), QStringList({"dueChart", "againList", "tenseChart", "typeChart",
                                       "exportButton", "forgetButton", "closeButton"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

void StatisticsDialogTest::exportWritesTheChosenFile()
{
    StatisticsDialog *dialog = monthDialog();
    QVERIFY(dialog);
    const QString path = folder_->filePath(QStringLiteral("for the teacher"));
    bool answered = false;
    answerNextModal(dialog, [&](QWidget *modal) {
        answered = true;
        auto *chooser = qobject_cast<QFileDialog *>(modal);
        QVERIFY(chooser);
        chooser->setDirectory(folder_->path()); // not the learner's own documents
        auto *name = chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->selectAll();
        QTest::keyClicks(name, QFileInfo(path).fileName());
        QTest::keyClick(name, Qt::Key_Return);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(answered);
    QFile csv(path + QStringLiteral(".csv")); // the suffix added
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll().count('\n'), qsizetype(store_->reviewLog().size() + 1));
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("status"))->text(),
             QStringLiteral("The review log was exported to “%1”.")
                 .arg(QDir::toNativeSeparators(csv.fileName())));
}

void StatisticsDialogTest::forgetAsksFirstAndDefaultsToNo()
{
    StatisticsDialog *dialog = monthDialog();
    QVERIFY(dialog);
    QSignalSpy forgotten(dialog, &StatisticsDialog::progressForgotten);

    int answered = 0;
    for (const bool yes : {false, true}) {
        answerNextModal(dialog, [yes, &answered](QWidget *modal) {
            ++answered;
            auto *question = qobject_cast<QMessageBox *>(modal);
            QVERIFY(question);
            if (yes)
                QTest::mouseClick(question->button(QMessageBox::Yes), Qt::LeftButton);
            else // Return takes the default answer, which must be No
                QTest::keyClick(question, Qt::Key_Return);
        });
        dialog->activateWindow(); // offscreen, no window manager gives it back after a question
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(answered, yes ? 2 : 1); // the button's click comes a moment after its key
        QCOMPARE(store_->exists(), !yes);
        QCOMPARE(forgotten.size(), yes ? 1 : 0);
    }
    QVERIFY(dialog->findChild<QLabel *>(QStringLiteral("note"))->isVisible());
    QVERIFY(!dialog->findChild<QWidget *>(QStringLiteral("reviewsChart"))->isVisible());
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("status"))->text(),
             QStringLiteral("All progress is forgotten."));
    QCOMPARE(dialog->focusWidget()->objectName(), QStringLiteral("closeButton"));
}

void StatisticsDialogTest::chartPixels_data()
{
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("light") << QColor(Qt::white) << QColor(Qt::black) << QColor("#308cc6") << 9;
    QTest::newRow("dark, large") << QColor("#1e1e1e") << QColor("#e0e0e0") << QColor("#2a82da")
                                 << 18;
}

// The painted chart: each bar's inside in the bar colour and the background just above it,
// nothing above a zero day, and every label at least 4.5:1 against the background.
void StatisticsDialogTest::chartPixels()
{
    QFETCH(QColor, base);
    QFETCH(QColor, text);
    QFETCH(QColor, highlight);
    QFETCH(int, pointSize);
    BarChart chart(BarChart::Shape::Columns, QStringLiteral("Boards"));
    QPalette palette;
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Highlight, highlight);
    chart.setPalette(palette);
    QFont font = chart.font();
    font.setPointSize(pointSize);
    chart.setFont(font);
    chart.setValues({{"Mon", 3, {}}, {"Tue", 0, {}}, {"Wed", 7, {}}, {"Thu", 1, {}}});
    chart.resize(chart.sizeHint());
    const QImage image = chart.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    auto pixel = [&](QPointF at) { return image.pixelColor((at * ratio).toPoint()); };
    const statistics::ChartColours colours = statistics::chartColours(palette);
    const statistics::ChartLayout layout = chart.currentLayout();
    for (qsizetype i = 0; i < layout.bars.size(); ++i) {
        const QRectF bar = layout.bars[i];
        if (bar.isEmpty()) {
            const double slot = layout.plot.width() / layout.bars.size();
            QCOMPARE(pixel({layout.plot.left() + (i + 0.5) * slot, layout.plot.bottom() - 3}),
                     base);
            continue;
        }
        QCOMPARE(pixel(bar.center()), colours.bar);
        QVERIFY(pixel({bar.center().x(), bar.top() - 3}) != colours.bar);
    }
    for (const statistics::PlacedText &label : layout.texts) {
        double best = 1;
        const QRect area = QRectF(label.rect.topLeft() * ratio, label.rect.size() * ratio)
                               .toRect()
                               .intersected(image.rect());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                best = std::max(best, appearance::contrastRatio(image.pixelColor(x, y), base));
        QVERIFY2(best >= 4.5, qPrintable(label.text));
    }
}

QTEST_MAIN(StatisticsDialogTest)
#include "StatisticsDialogTest.moc"
