// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Review sessions: the choice, the progress file, one board after another, the grades.
#include "app/Unit1.h"

#include "lists/FlatComboBox.h"
#include "practice/WrongAnswers.h"
#include "progress/ProgressStore.h"
#include "review/SessionPlan.h"
#include "reviewdialogs/ChoiceDialog.h"
#include "reviewdialogs/StoreQuestions.h"
#include "statistics/FigureText.h"
#include "statistics/StatisticsDialog.h"
#include "trainer/RankedVerbs.h"
#include "trainer/ReviewSession.h"
#include "trainer/ReviewTexts.h"
#include "widgets/OfficeButton.h"
#include "widgets/OfficeEdit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStandardPaths>

namespace app {

namespace {

const QString ChoiceSetting = QStringLiteral("reviewChoice");
const QString NewCardsSetting = QStringLiteral("newCardsPerDay");

} // namespace

QString TForm1::progressFolder() const
{
    return m_progressFolder.isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
               : m_progressFolder;
}

void TForm1::setReviewControls(bool inReview)
{
    btnReview->setEnabled(!inReview);
    btnNext->setEnabled(inReview);
    btnLeaveReview->setEnabled(inReview);
}

std::optional<bool> TForm1::afterStoreFault(progress::StoreStatus status)
{
    while (!status.isReady()) {
        const auto answer =
            reviewdialogs::askAboutProgressFault(this, status.message(), status.canStartFresh());
        if (answer == reviewdialogs::FaultAnswer::StartFresh) {
            status = m_store->startFresh();
            continue;
        }
        m_store.reset(); // the file is left as it was
        if (answer == reviewdialogs::FaultAnswer::WithoutSaving)
            return false;
        return std::nullopt;
    }
    return true;
}

void TForm1::btnReviewClick()
{
    if (m_review)
        return;
    // The file is opened (it writes nothing) for the choice kept in it; without a file, the
    // learner is asked to keep one only once they have chosen what to review.
    bool saving = m_store && m_store->isOpen();
    bool fileThere = saving || progress::ProgressStore(progressFolder()).exists();
    if (fileThere && !saving) {
        m_store = std::make_unique<progress::ProgressStore>(progressFolder());
        const std::optional<bool> opened = afterStoreFault(m_store->open());
        if (!opened)
            return;
        saving = *opened;
    }
    review::ReviewChoice choice = m_reviewChoice;
    int newPerDay = m_newCardsPerDay;
    if (saving) {
        const QHash<QString, QString> settings = m_store->settings();
        if (settings.contains(ChoiceSetting))
            choice = review::ReviewChoice::fromText(settings.value(ChoiceSetting));
        bool numeric = false;
        const int stored = settings.value(NewCardsSetting).toInt(&numeric);
        if (numeric && stored >= 0 && stored <= reviewdialogs::ChoiceDialog::MaximumNewCardsPerDay)
            newPerDay = stored;
    }
    const bool levelsKnown = readRankedVerbs().second;
    reviewdialogs::ChoiceDialog dialog(choice, newPerDay, levelsKnown, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_reviewChoice = dialog.choice();
    m_newCardsPerDay = dialog.newCardsPerDay();

    if (!fileThere) {
        if (!reviewdialogs::askToKeepProgress(this, trainer::consentQuestion(progressFolder()))) {
            endReview(trainer::reviewNeedsConsent());
            return;
        }
        m_store = std::make_unique<progress::ProgressStore>(progressFolder());
        const std::optional<bool> created = afterStoreFault(m_store->create());
        if (!created)
            return;
        saving = *created;
    }
    if (saving) {
        progress::StoreStatus status = m_store->setSetting(ChoiceSetting, m_reviewChoice.toText());
        if (status.isReady())
            status = m_store->setSetting(NewCardsSetting, QString::number(m_newCardsPerDay));
        const std::optional<bool> kept = afterStoreFault(status);
        if (!kept)
            return;
        saving = *kept;
    }
    startReview(saving);
}

std::pair<QList<review::OfferedVerb>, bool> TForm1::readRankedVerbs() const
{
    QList<review::OfferedVerb> verbs = review::offeredVerbs(m_verbList);
    // Read when a review needs it, never at start-up.
    const data::VerbRanks ranks = data::VerbRanks::read(
        data::VerbRanks::pathBeside(QString::fromLatin1(data::VerbFile::FileName)),
        trainer::verbNames(verbs));
    return {trainer::rankedVerbs(std::move(verbs), ranks),
            ranks.status() == data::VerbRanks::Status::Read};
}

void TForm1::startReview(bool saving)
{
    const QList<review::OfferedVerb> inFileOrder = review::offeredVerbs(m_verbList);
    QHash<QString, int> recordOfVerb;
    for (int record = 0; record < inFileOrder.size(); ++record)
        recordOfVerb.insert(inFileOrder[record].name, record);
    const QList<review::OfferedVerb> verbs = readRankedVerbs().first;
    const QDateTime now = QDateTime::currentDateTime();
    QHash<review::CardKey, review::CardState> states;
    QList<review::ReviewEntry> mistakes;
    QList<review::ReviewEntry> log;
    int introducedToday = 0;
    if (saving) {
        for (const progress::StoredCard &card : m_store->cards())
            states.insert(card.key, card.state);
        mistakes = m_store->reviewsGradedAgainSince(
            now.addDays(-review::ReviewChoice::MistakeDays).toUTC());
        introducedToday = m_store->cardsIntroducedOn(now.date(), now.timeZone());
        log = m_store->reviewLog();
    }
    const review::SessionPlan plan = review::planSession(
        {verbs, m_reviewChoice, states, mistakes, introducedToday, m_newCardsPerDay, now});
    QList<trainer::SessionBoard> boards =
        trainer::sessionBoards(plan, verbs, recordOfVerb, states, log);
    if (boards.isEmpty()) {
        endReview(review::emptyPlanText(plan.emptyReason));
        return;
    }
    m_review = std::make_unique<trainer::ReviewSession>(std::move(boards));
    m_reviewSaved = saving;
    setReviewControls(true);
    showReviewBoard(QString());
}

void TForm1::showReviewBoard(const QString &saidBefore)
{
    const trainer::SessionBoard &board = m_review->current();
    // Chosen for the learner, so no `changed`: the review goes on.
    ComboBox1->setCurrentIndex(board.record);
    ComboBox2->setCurrentIndex(board.tense);
    RefreshEBoxes();
    const int position = m_review->position();
    const int count = m_review->boardCount();
    lblReview->setText(trainer::reviewStatus(position, count, board.card, m_reviewSaved));
    const QString said = trainer::boardAnnouncement(position, count, board.card);
    announce(saidBefore.isEmpty() ? said : saidBefore + u' ' + said);
    for (int n = 1; n <= data::BoxCount; ++n) {
        if (m_boxes[n - 1]->isVisibleTo(this)) {
            m_boxes[n - 1]->setFocus(Qt::TabFocusReason);
            // Entered as the learner sees it, also while a dialog that just closed still holds
            // the activation, when the focus moves unnoticed.
            EGetFocus(n);
            break;
        }
    }
    m_boardShown.start();
}

QList<int> TForm1::wrongBoxesNow() const
{
    // A listed alternative counts as right, as Test Answers marks it.
    const auto wrong = practice::wrongBoxes(
        practice::markAnswers(boxTexts(), m_answerSlots, boardAlternatives()));
    QList<int> boxes;
    for (int box = 1; box <= data::BoxCount; ++box) {
        if (wrong[box - 1])
            boxes.append(box);
    }
    return boxes;
}

void TForm1::btnNextClick()
{
    if (!m_review)
        return;
    const trainer::GradedBoard graded = m_review->gradeBoard(
        wrongBoxesNow(), m_boardShown.elapsed(), QDateTime::currentDateTimeUtc());
    QString said = trainer::gradeAnnouncement(graded.entry.grade);
    if (m_reviewSaved) {
        const progress::StoreStatus status = m_store->recordGrade(graded.entry, graded.after);
        if (!status.isReady()) {
            // The grades so far are kept; the rest of the session goes on without saving.
            m_reviewSaved = false;
            QMessageBox::warning(this, QGuiApplication::applicationDisplayName(), status.message());
        }
    }
    if (m_review->finished())
        endReview(said + u' ' + trainer::sessionSummary(m_review->grades()));
    else
        showReviewBoard(said);
}

void TForm1::btnLeaveReviewClick()
{
    if (m_review)
        endReview(trainer::reviewLeft());
}

void TForm1::listChosenByLearner()
{
    if (m_review)
        endReview(trainer::reviewLeftByListChange());
}

void TForm1::endReview(const QString &message)
{
    m_review.reset();
    setReviewControls(false);
    lblReview->setText(message);
    announce(message);
}

void TForm1::btnStatisticsClick()
{
    // The review's store, or the file opened (which writes nothing) only when it is there.
    if (!m_store && progress::ProgressStore(progressFolder()).exists())
        m_store = std::make_unique<progress::ProgressStore>(progressFolder());
    statistics::StatisticsDialog dialog(m_store.get(), this);
    dialog.setVerbTypes(statistics::verbTypeNames(review::offeredVerbs(m_verbList)));
    connect(&dialog, &statistics::StatisticsDialog::progressForgotten, this, [this] {
        if (m_review)
            endReview(trainer::reviewEndedByForgetting());
    });
    dialog.exec();
    if (m_store && !m_store->isOpen()) // forgotten, or a file that could not be read
        m_store.reset();
}

} // namespace app
