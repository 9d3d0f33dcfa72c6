// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit1.h"

#include "app/ControlTable.h"
#include "app/DesignedControls.h"
#include "app/FocusEvents.h"
#include "app/WindowScale.h"
#include "board/Board.h"
#include "desktop/SchemeFollower.h"
#include "dialog/MessageDialog.h"
#include "editing/LookUp.h"
#include "fonts/FlatFontComboBox.h"
#include "lists/FlatCheckBox.h"
#include "lists/FlatComboBox.h"
#include "progress/ProgressStore.h"
#include "trainer/ReviewSession.h"
#include "widgets/FittingLabel.h"
#include "widgets/ModalPanel.h"
#include "widgets/OfficeButton.h"
#include "widgets/OfficeEdit.h"
#include "widgets/OfficeMemo.h"
#include "widgets/OfficePanel.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

namespace app {

TForm1::TForm1(QWidget *parent) : TForm1(std::future<LoadedVerbFile>(), parent) {}

TForm1::TForm1(std::future<LoadedVerbFile> verbFileBeingRead, QWidget *parent)
    : QWidget(parent), m_verbFileBeingRead(std::move(verbFileBeingRead)),
      m_random(std::make_unique<practice::SeededRandomSource>())
{
    installAccessibleInterfaces();
    new desktop::SchemeFollower(this); // the desktop's switch between light and dark, followed
    // Drawn to fit the screen the window opens on: a new window opens on the primary one.
    if (const QScreen *openingOn = QGuiApplication::primaryScreen())
        m_designScale = windowScale(openingOn->availableGeometry().size(), formSpec().clientSize);
    applyFormDesign(this, m_designScale);
    m_focusEvents = new FocusEvents(this);
    const QStringList unsuitedLooks = createDesignedControls(this, m_designScale);
    Q_ASSERT_X(unsuitedLooks.isEmpty(), "TForm1", qPrintable(unsuitedLooks.join(u' ')));
    findControls();
    m_help = new widgets::ModalPanel(helppanel, HelpMemo);
    setTypePanelLook(false);
    connectHandlers();
    setUpAccess();
    setReviewControls(false);
    m_built = true;
}

TForm1::~TForm1()
{
    // Closing the window as QWidget's destructor does moves the focus, after this window's own
    // members are gone.
    disconnect(m_helpFocusWatch);
}

void TForm1::findControls()
{
    for (int box = 1; box <= data::BoxCount; ++box)
        m_boxes[box - 1] = namedControl<widgets::OfficeEdit>(*this, entryBoxName(box));
    AlphaEdit = namedControl<widgets::OfficeEdit>(*this, QStringLiteral("AlphaEdit"));
    EdS4 = namedControl<widgets::OfficeEdit>(*this, QStringLiteral("EdS4"));
    SpChar = namedControl<widgets::OfficeEdit>(*this, QStringLiteral("SpChar"));
    ComboBox1 = namedControl<lists::FlatComboBox>(*this, QStringLiteral("ComboBox1"));
    ComboBox2 = namedControl<lists::FlatComboBox>(*this, QStringLiteral("ComboBox2"));
    ComboBox4 = namedControl<fonts::FlatFontComboBox>(*this, QStringLiteral("ComboBox4"));
    ComboBox5 = namedControl<lists::FlatComboBox>(*this, QStringLiteral("ComboBox5"));
    ComboBox6 = namedControl<lists::FlatComboBox>(*this, QStringLiteral("ComboBox6"));
    Label9 = namedControl<QLabel>(*this, QStringLiteral("Label9"));
    Label12 = namedControl<QLabel>(*this, QStringLiteral("Label12"));
    Label15 = namedControl<QLabel>(*this, QStringLiteral("Label15"));
    lblExplanation = namedControl<widgets::FittingLabel>(*this, QStringLiteral("lblExplanation"));
    panTy = namedControl<widgets::OfficePanel>(*this, QStringLiteral("panTy"));
    helppanel = namedControl<widgets::OfficePanel>(*this, QStringLiteral("helppanel"));
    HelpMemo = namedControl<widgets::OfficeMemo>(*this, QStringLiteral("HelpMemo"));
    btnVar = namedControl<widgets::OfficeButton>(*this, QStringLiteral("btnVar"));
    btnHelp = namedControl(*this, QStringLiteral("btnHelp"));
    SecretCheckBox = namedControl<lists::FlatCheckBox>(*this, QStringLiteral("SecretCheckBox"));
    MessageDialog1 = namedControl<dialog::MessageDialog>(*this, QStringLiteral("MessageDialog1"));
    lblReview = namedControl<QLabel>(*this, QStringLiteral("lblReview"));
    btnReview = namedControl<widgets::OfficeButton>(*this, QStringLiteral("btnReview"));
    btnNext = namedControl<widgets::OfficeButton>(*this, QStringLiteral("btnNext"));
    btnLeaveReview = namedControl<widgets::OfficeButton>(*this, QStringLiteral("btnLeaveReview"));
}

void TForm1::connectHandlers()
{
    for (int box = 1; box <= data::BoxCount; ++box) {
        m_focusEvents->watchForEnter(m_boxes[box - 1]);
        m_boxes[box - 1]->installEventFilter(this);
        connect(m_boxes[box - 1], &QLineEdit::textChanged, this,
                [this, box] { forgetExplanation(box); });
    }
    m_focusEvents->watchForEnter(AlphaEdit);
    m_focusEvents->watchForEnter(EdS4);
    AlphaEdit->installEventFilter(this);
    connect(m_focusEvents, &FocusEvents::entered, this, [this](QWidget *control) {
        if (control == AlphaEdit)
            AlphaEditGetFocus();
        else if (control == EdS4)
            E13GetFocus();
        else {
            m_boxToldOf =
                int(std::find(m_boxes.begin(), m_boxes.end(), control) - m_boxes.begin()) + 1;
            EGetFocus(m_boxToldOf);
        }
    });
    m_helpFocusWatch =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *before, QWidget *now) {
            if (now == btnHelp && before && before->window() == this)
                m_focusBeforeHelpButton = before;
        });
    connect(m_focusEvents, &FocusEvents::activated, this, &TForm1::Showsplash);

    connect(ComboBox1, &lists::FlatComboBox::changed, this, &TForm1::RefreshEBoxes);
    ComboBox1->setTypeAheadKey(&editing::verbName); // "f" finds "sich freuen" too
    connect(ComboBox2, &lists::FlatComboBox::changed, this, &TForm1::RefreshEBoxes);
    // After the refresh, so that leaving the review is the last thing said.
    connect(ComboBox1, &lists::FlatComboBox::changed, this, &TForm1::listChosenByLearner);
    connect(ComboBox2, &lists::FlatComboBox::changed, this, &TForm1::listChosenByLearner);

    const std::pair<const char *, void (TForm1::*)()> clicks[] = {
        {"btnTestAnswers", &TForm1::btnTestAnswersClick},
        {"btnTestAnswersRestore", &TForm1::btnTestAnswersRestoreClick},
        {"btnShowCorrect", &TForm1::btnShowCorrectClick},
        {"btnShowCorrectRestore", &TForm1::btnShowCorrectRestoreClick},
        {"btnShowAll", &TForm1::btnShowAllClick},
        {"btnShowAllRestore", &TForm1::btnShowAllRestoreClick},
        {"btnShowRand", &TForm1::btnShowRandClick},
        {"leftCopy", &TForm1::leftCopyClick},
        {"rightCopy", &TForm1::leftCopyClick},
        {"leftPaste", &TForm1::leftPasteClick},
        {"rightPaste", &TForm1::leftPasteClick},
        {"btnUmlauta", &TForm1::btnUmlautaClick},
        {"btnUmlautaR", &TForm1::btnUmlautaClick},
        {"btnUmlauto", &TForm1::btnUmlautoClick},
        {"btnUmlautoR", &TForm1::btnUmlautoClick},
        {"btnUmlautu", &TForm1::btnUmlautuClick},
        {"btnUmlautuR", &TForm1::btnUmlautuClick},
        {"btnSzet", &TForm1::btnSzetClick},
        {"btnSzetR", &TForm1::btnSzetClick},
        {"btnAlpha", &TForm1::InitializeComboBoxes},
        {"btnHelp", &TForm1::btnHelpClick},
        {"btnHelpClose", &TForm1::btnHelpCloseClick},
        {"btnFont", &TForm1::btnFontClick},
        {"btnReview", &TForm1::btnReviewClick},
        {"btnNext", &TForm1::btnNextClick},
        {"btnLeaveReview", &TForm1::btnLeaveReviewClick},
        {"btnStatistics", &TForm1::btnStatisticsClick},
    };
    for (const auto &[name, handler] : clicks)
        connect(namedControl<widgets::OfficeButton>(*this, QString::fromLatin1(name)),
                &QAbstractButton::clicked, this, handler);
    connect(panTy, &widgets::OfficePanel::clicked, this, &TForm1::panTyClick);
    connect(ComboBox4, &lists::FlatComboBox::changed, this, &TForm1::FormFontChange);
    connect(ComboBox5, &lists::FlatComboBox::changed, this, &TForm1::FontSetStyle);
    connect(ComboBox6, &lists::FlatComboBox::changed, this, &TForm1::FontSetSize);
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (QScreen *shownOn = screen())
        move(shownOn->availableGeometry().center() - frameGeometry().center() + pos());
    // The window's first focus, given when it becomes active, goes to the
    // reveal display, which makes E13 the active box.
    EdS4->setFocus(Qt::ActiveWindowFocusReason);
    // Loading runs as soon as the window is on the screen, which it is once this event has
    // returned: a message box loading shows then opens on top of the window, as its child. (A
    // Wayland compositor stacks a dialog on its window only if that window is already shown.)
    QMetaObject::invokeMethod(this, &TForm1::GetData, Qt::QueuedConnection);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        KeyDown(static_cast<QKeyEvent *>(event)->key());
    return QWidget::eventFilter(watched, event);
}

void TForm1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The desktop's palette changed while the program runs (light to dark).
    if (event->type() == QEvent::PaletteChange)
        m_boxColoursStale = true;
    if (event->type() == QEvent::PaletteChange && m_built)
        FormPaletteChange();
}

void TForm1::GetData()
{
    QStringList entries;
    std::optional<data::AlternativesFault> alternativesFault;
    try {
        // Waits for the reading thread if it has not finished yet.
        LoadedVerbFile loaded =
            m_verbFileBeingRead.valid() ? m_verbFileBeingRead.get() : loadVerbFile();
        m_verbList = std::move(loaded.verbList);
        entries = std::move(loaded.verbListEntries);
        m_alternatives = std::move(loaded.alternatives.alternatives);
        alternativesFault = std::move(loaded.alternatives.fault);
    } catch (const data::VerbFileError &error) {
        // The window stays open with its controls as designed.
        QMessageBox::critical(this, QGuiApplication::applicationDisplayName(),
                              QString::fromUtf8(error.what()) + QLatin1Char('.'));
        emit startUpFinished();
        return;
    }
    if (!m_verbList.lineCountIsWholeRecords())
        MessageDialog1->execute();
    // Told once; Test Answers then accepts the board's forms only.
    if (alternativesFault)
        QMessageBox::warning(
            this, QGuiApplication::applicationDisplayName(),
            QStringLiteral("The file of other accepted forms, %1, is damaged "
                           "and is not used (%2).")
                .arg(QString::fromLatin1(data::Alternatives::FileName), alternativesFault->text()));
    ComboBox1->addItems(entries);
    if (!entries.isEmpty()) {
        ComboBox1->setCurrentIndex(0);
        ComboBox2->setCurrentIndex(0);
    }
    RefreshEBoxes();
    if (m_random)
        m_random->reseed(practice::timeOfDaySeed());
    emit startUpFinished();
}

void TForm1::RefreshEBoxes()
{
    for (widgets::OfficeEdit *box : m_boxes) {
        box->hide();
        box->clear();
    }
    m_answerSlots.fill(QString());
    m_practice.resetForRefresh();

    const int record = ComboBox1->currentIndex();
    const int tense = ComboBox2->currentIndex();
    std::optional<data::Category> category;
    // No record can be read while the verb list is empty.
    if (record >= 0 && record < m_verbList.recordCount()) {
        const board::BoardContent content = board::readBoard(m_verbList, record, tense);
        category = content.category;
        if (content.categoryKnown()) {
            m_answerSlots = content.answers;
            if (content.typeName)
                m_typeName = *content.typeName;
            m_variantsDigit = content.variantsDigit;
        }
        Label9->setText(content.caption1);
        Label15->setText(content.caption2);
        Label9->adjustSize();
        Label15->adjustSize();
    }
    for (int box = 1; box <= data::BoxCount; ++box)
        m_boxes[box - 1]->setVisible(!m_answerSlots[box - 1].isEmpty());
    EdS4->clear();
    if (m_typeRevealed)
        panTy->setCaption(m_typeName);
    btnVar->setText(m_variantsDigit);
    nameBoard(category, tense);
    if (tense >= 0 && tense < data::TenseCount) {
        Label12->setText(board::tenseCaptions()[tense]);
        Label12->adjustSize();
    }
    if (SecretCheckBox->isChecked())
        btnShowAllClick();
    btnTestAnswersRestoreClick();
    announceBoard();
}

} // namespace app
