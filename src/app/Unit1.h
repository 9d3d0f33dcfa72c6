// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/VerbFileLoading.h"
#include "data/Alternatives.h"
#include "data/VerbFile.h"
#include "practice/PracticeState.h"
#include "practice/RandomSource.h"
#include "practice/WrongAnswers.h"
#include "review/ReviewChoice.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;

namespace widgets {
class FittingLabel;
class ModalPanel;
class OfficeButton;
class OfficeEdit;
class OfficeMemo;
class OfficePanel;
} // namespace widgets

namespace lists {
class FlatCheckBox;
class FlatComboBox;
} // namespace lists

namespace fonts {
class FlatFontComboBox;
} // namespace fonts

namespace accessibility {
class StatusAnnouncer;
} // namespace accessibility

namespace dialog {
class MessageDialog;
} // namespace dialog

namespace progress {
class ProgressStore;
struct StoreStatus;
} // namespace progress

namespace trainer {
class ReviewSession;
} // namespace trainer

namespace app {

class FocusEvents;

// The trainer's one window. It builds its controls from the control table,
// wires their events to the handlers below and keeps the board's state; the
// handlers hand the work to the logic libraries.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Reads the verb file when the window is first shown.
    explicit TForm1(QWidget *parent = nullptr);
    // Builds the window while the verb file is being read on a second thread
    // (startReadingVerbFile()); when first shown it waits for that read instead.
    explicit TForm1(std::future<LoadedVerbFile> verbFileBeingRead, QWidget *parent = nullptr);
    ~TForm1() override;

    // Show Random's draws; tests put in their own.
    void setRandomSource(std::unique_ptr<practice::RandomSource> random);

    // Where the learner's progress is kept (the per-user data folder); tests put in their own.
    void setProgressFolder(const QString &folder) { m_progressFolder = folder; }
    QString progressFolder() const;

    // State tests and tools look at.
    const practice::PracticeState &practiceState() const { return m_practice; }
    const QString &answerSlot(int box) const { return m_answerSlots[box - 1]; }
    const QString &typeName() const { return m_typeName; }
    const QString &variantsDigit() const { return m_variantsDigit; }
    int entryFontSize() const { return m_entryFontSize; }
    const data::VerbFile &verbList() const { return m_verbList; }
    bool inReview() const { return m_review != nullptr; }
    widgets::OfficeEdit *entryBox(int box) const { return m_boxes[box - 1]; }
    // The factor the design is drawn at: 1, or less on a screen too small for it.
    double designScale() const { return m_designScale; }

    static QColor wrongAnswerColor() { return QColor(249, 185, 157); }
    // A box holding another accepted form: a pale blue, far from the orange
    // of a wrong box also for red-green colour-blind eyes, and from the white
    // or dark of an unmarked one.
    static QColor alsoRightColor() { return QColor(170, 211, 250); }
    QColor normalBoxColor() const;

signals:
    // The first refresh after loading has run (or loading failed).
    void startUpFinished();

    // Board, loading and start-up.
public slots:
    void GetData();
    void RefreshEBoxes();

    // Practice commands.
    void EGetFocus(int box);
    void E13GetFocus() { EGetFocus(13); }
    void AlphaEditGetFocus();
    void btnTestAnswersClick();
    void btnTestAnswersRestoreClick();
    void btnShowCorrectClick();
    void btnShowCorrectRestoreClick();
    void btnShowAllClick();
    void btnShowAllRestoreClick();
    void btnShowRandClick();
    // Alt+E: the explanation of the box with the focus, or of the active box,
    // into the explanation line, and told to a screen reader.
    void explainFocusedBox();

    // Editing aids and navigation.
    void leftCopyClick();
    void leftPasteClick();
    void ReturnCursor();
    void btnUmlautaClick();
    void btnUmlautoClick();
    void btnUmlautuClick();
    void btnSzetClick();
    void KeyDown(int key);
    void InitializeComboBoxes();
    void panTyClick();
    void btnHelpClick();
    void btnHelpCloseClick();

    // Reviews and statistics (Unit1Review.cpp).
    void btnReviewClick();
    void btnNextClick();
    void btnLeaveReviewClick();
    void btnStatisticsClick();

    // Colours.
    void FormPaletteChange();

    // Lettering.
    void Showsplash();
    void ComboBox4Change();
    void FormFontChange();
    void btnFontClick();
    void FontSetStyle();
    void FontSetSize();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void findControls();
    void connectHandlers();
    void insertSpecialCharacter(QChar character);
    // The type panel's two looks: the "Type" state on the button face in black,
    // or revealed on the window colour in red; each made readable on its face.
    void setTypePanelLook(bool revealed);
    // Every box on its background: the wrong-answer colour where Test Answers
    // marked it, else the window colour, with text readable on it.
    void colourBoxes();
    // The alternatives of the board's shown boxes; none without the file.
    practice::BoxAlternatives boardAlternatives() const;
    // What is wrong in each box Test Answers marked wrong.
    void explainWrongBoxes(const practice::BoxTexts &typed);
    // A box's text changed: what Test Answers said of its old text goes.
    void forgetExplanation(int box);
    void clearExplanations();
    practice::BoxTexts boxTexts() const;
    void setBoxTexts(const practice::BoxTexts &texts);
    // The active control's entry box: an entry box or the look-up box.
    widgets::OfficeEdit *activeEditor() const;
    // Keyboard and screen readers (Unit1Access.cpp): command keys, names,
    // the boxes' names for the board shown, Test Answers' result and the
    // board's verb and tense in words.
    static void installAccessibleInterfaces();
    void setUpAccess();
    void nameBoard(std::optional<data::Category> category, int tense);
    void exposeTestResult();
    // A changed box keeps its mark but no longer says what was wrong in it.
    void withdrawExplanation(int box);
    void withdrawTestResult();
    void announceBoard();
    // Tells screen readers what a command did that is otherwise only seen.
    void announce(const QString &message);
    // Reviews (Unit1Review.cpp): the progress file opened for a review (false: the review goes
    // on without saving; none: no review), the boards shown one after another, the end.
    std::optional<bool> afterStoreFault(progress::StoreStatus status);
    void startReview(bool saving);
    // The verbs offered for review, ranked by the ranks file; whether it gave them levels.
    std::pair<QList<review::OfferedVerb>, bool> readRankedVerbs() const;
    void showReviewBoard(const QString &saidBefore);
    void endReview(const QString &message);
    void setReviewControls(bool inReview);
    void listChosenByLearner();
    QList<int> wrongBoxesNow() const;
    // The same of a command that acted on the active box: the box is named
    // when the learner has not entered it since it became active.
    void announceForActiveBox(const QString &message);
    // Where Close gives the focus back to when the help was opened from "H".
    QWidget *focusBackFromHelp() const;

    // Controls the handlers reach by name.
    std::array<widgets::OfficeEdit *, data::BoxCount> m_boxes{};
    widgets::OfficeEdit *AlphaEdit = nullptr;
    widgets::OfficeEdit *EdS4 = nullptr;
    widgets::OfficeEdit *SpChar = nullptr;
    lists::FlatComboBox *ComboBox1 = nullptr;
    lists::FlatComboBox *ComboBox2 = nullptr;
    fonts::FlatFontComboBox *ComboBox4 = nullptr;
    lists::FlatComboBox *ComboBox5 = nullptr;
    lists::FlatComboBox *ComboBox6 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label15 = nullptr;
    widgets::FittingLabel *lblExplanation = nullptr;
    widgets::OfficePanel *panTy = nullptr;
    widgets::OfficePanel *helppanel = nullptr;
    widgets::OfficeMemo *HelpMemo = nullptr;
    widgets::OfficeButton *btnVar = nullptr;
    lists::FlatCheckBox *SecretCheckBox = nullptr;
    dialog::MessageDialog *MessageDialog1 = nullptr;
    accessibility::StatusAnnouncer *m_announcer = nullptr;
    FocusEvents *m_focusEvents = nullptr;
    widgets::ModalPanel *m_help = nullptr;
    QLabel *lblReview = nullptr;
    widgets::OfficeButton *btnReview = nullptr;
    widgets::OfficeButton *btnNext = nullptr;
    widgets::OfficeButton *btnLeaveReview = nullptr;
    QWidget *btnHelp = nullptr;
    QPointer<QWidget> m_focusBeforeHelpButton; // the control "H" took the focus from
    QMetaObject::Connection m_helpFocusWatch;

    // The board's state: the answer slots, the verb's type and variants.
    practice::BoxTexts m_answerSlots;
    QString m_typeName;
    QString m_variantsDigit;
    practice::PracticeState m_practice;
    practice::AnswerMarks m_marks{};         // by Test Answers; all Right when unmarked
    practice::AnswerMarks m_colouredMarks{}; // as the boxes were last coloured
    // Each box Test Answers tested, while its text stays as tested, with what is
    // wrong in it: the sentence and the short line.
    std::array<bool, data::BoxCount> m_tested{};
    std::array<QString, data::BoxCount> m_explanations;
    std::array<QString, data::BoxCount> m_shortExplanations;
    int m_explainedBox = practice::PracticeState::NoBox; // whose explanation the line shows
    data::Alternatives m_alternatives;
    bool m_boxColoursStale = true; // not coloured yet, or a palette came since
    bool m_typeRevealed = false;
    int m_boxToldOf = practice::PracticeState::NoBox; // the box last entered
    data::VerbFile m_verbList;
    std::future<LoadedVerbFile> m_verbFileBeingRead; // taken by GetData
    int m_entryFontSize = 10;
    double m_designScale = 1.0;
    bool m_built = false;
    bool m_shown = false;
    std::unique_ptr<practice::RandomSource> m_random;

    // Reviews: the progress file (opened only for a review or the statistics), the session
    // running, and the choice made before the file existed.
    QString m_progressFolder;
    std::unique_ptr<progress::ProgressStore> m_store;
    std::unique_ptr<trainer::ReviewSession> m_review;
    bool m_reviewSaved = false;
    QElapsedTimer m_boardShown;
    review::ReviewChoice m_reviewChoice = review::ReviewChoice::defaults();
    int m_newCardsPerDay = 10;
};

} // namespace app
