// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit1.h"

#include "app/ControlTable.h"
#include "app/FocusEvents.h"
#include "appearance/Contrast.h"
#include "appearance/FontSubstitutes.h"
#include "board/Board.h"
#include "controls/DesignLooks.h"
#include "controls/FittingLabel.h"
#include "controls/FlatComboBox.h"
#include "controls/FlatFontComboBox.h"
#include "controls/GroupPanel.h"
#include "controls/MessageDialog.h"
#include "controls/OfficeButton.h"
#include "controls/OfficeEdit.h"
#include "controls/OfficeMemo.h"
#include "controls/OfficePanel.h"
#include "editing/HelpText.h"
#include "editing/LookUp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <limits>
#include <system_error>

namespace app {

namespace {

// Client size for the designed outer size of 1020 x 500 less a thin frame.
constexpr QSize ClientSize(1014, 471);

QWidget *makeControl(const ControlSpec &design, QWidget *parent)
{
    using K = ControlKind;
    switch (design.kind) {
    case K::Label:
        return new QLabel(design.caption, parent);
    case K::FittingLabel:
        return new controls::FittingLabel(design.caption, parent);
    case K::EntryBox: {
        auto *edit = new controls::OfficeEdit(parent);
        edit->setText(design.caption);
        return edit;
    }
    case K::Button:
        return new controls::OfficeButton(parent);
    case K::Panel: {
        auto *panel = new controls::GroupPanel(parent);
        panel->setFrameStyle(design.raisedBevel ? QFrame::Panel | QFrame::Raised : QFrame::NoFrame);
        return panel;
    }
    case K::CaptionBox: {
        auto *panel = new controls::OfficePanel(parent);
        panel->setCaption(design.caption);
        return panel;
    }
    case K::TextBox:
        return new controls::OfficeMemo(parent);
    case K::List:
        return new controls::FlatComboBox(parent);
    case K::FontList:
        return new controls::FlatFontComboBox(parent);
    case K::CheckBox:
        return new controls::FlatCheckBox(parent);
    }
    return nullptr;
}

void applyDesign(QWidget *widget, const ControlSpec &design)
{
    widget->setObjectName(design.name);
    if (design.geometry.size().isEmpty()) {
        widget->adjustSize();
        widget->move(design.geometry.topLeft());
    } else {
        widget->setGeometry(design.geometry);
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(design.caption);
    if (!design.fontFamily.isEmpty()) {
        QFont font(appearance::installedTypeface(design.fontFamily));
        font.setPixelSize(design.fontPixels);
        widget->setFont(font);
        if (design.geometry.size().isEmpty())
            widget->adjustSize();
    }
    if (design.background.isValid()) {
        QPalette palette = widget->palette();
        palette.setColor(widget->backgroundRole(), design.background);
        // Text on a fixed colour must stay readable under a dark desktop palette too.
        widget->setPalette(appearance::withReadableText(palette, widget->backgroundRole()));
        widget->setAutoFillBackground(true);
    }
    widget->setVisible(design.visible);
}

} // namespace

LoadedVerbFile loadVerbFile()
{
    LoadedVerbFile loaded{data::VerbFile::read(QString::fromLatin1(data::VerbFile::FileName),
                                               data::VerbFile::Keep::Payloads),
                          {}};
    loaded.verbListEntries = board::verbListEntries(loaded.verbList);
    return loaded;
}

std::future<LoadedVerbFile> startReadingVerbFile()
{
    try {
        return std::async(std::launch::async, loadVerbFile);
    } catch (const std::system_error &) {
        return std::async(std::launch::deferred, loadVerbFile); // no thread to spare
    }
}

TForm1::TForm1(QWidget *parent) : TForm1(std::future<LoadedVerbFile>(), parent) {}

TForm1::TForm1(std::future<LoadedVerbFile> verbFileBeingRead, QWidget *parent)
    : QWidget(parent), m_verbFileBeingRead(std::move(verbFileBeingRead)),
      m_random(std::make_unique<practice::SeededRandomSource>())
{
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("German Verb Zandrel"));
    setFixedSize(ClientSize);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    QFont windowFont(appearance::installedTypeface(QStringLiteral("Cooper Black")));
    windowFont.setPixelSize(16);
    setFont(windowFont);

    m_focusEvents = new FocusEvents(this);
    createControls();
    controls::applyDesignLooks(this);
    connectHandlers();
    setUpAccess();
}

TForm1::~TForm1() = default;

void TForm1::setRandomSource(std::unique_ptr<practice::RandomSource> random)
{
    m_random = std::move(random);
}

template <typename T> T *TForm1::control(const char *name) const
{
    auto *found = findChild<T *>(QString::fromLatin1(name));
    Q_ASSERT_X(found, "TForm1::control", name);
    return found;
}

void TForm1::createControls()
{
    for (const ControlSpec &design : controlTable()) {
        QWidget *parent = design.parent.isEmpty() ? this : findChild<QWidget *>(design.parent);
        applyDesign(makeControl(design, parent), design);
    }
    for (int box = 1; box <= data::BoxCount; ++box)
        m_boxes[box - 1] = control<controls::OfficeEdit>(qPrintable(entryBoxName(box)));
    AlphaEdit = control<controls::OfficeEdit>("AlphaEdit");
    EdS4 = control<controls::OfficeEdit>("EdS4");
    EdS4->setReadOnly(true);
    // A form may be longer than an entry box's default limit of 32,767
    // characters; cut, Show All would show it wrong and Test Answers mark it.
    for (controls::OfficeEdit *holdsAForm : m_boxes)
        holdsAForm->setMaxLength(std::numeric_limits<int>::max());
    EdS4->setMaxLength(std::numeric_limits<int>::max());
    SpChar = control<controls::OfficeEdit>("SpChar");
    ComboBox1 = control<controls::FlatComboBox>("ComboBox1");
    ComboBox1->setMaxVisibleItems(14);
    ComboBox1->setItemHeight(19);
    ComboBox1->setTypeAheadKey(&editing::verbName);
    ComboBox2 = control<controls::FlatComboBox>("ComboBox2");
    ComboBox2->setMaxVisibleItems(15);
    ComboBox2->setItemHeight(19);
    for (const QString &tense : board::tenseListItems())
        ComboBox2->addItem(tense);
    ComboBox2->setCurrentIndex(-1);
    ComboBox4 = control<controls::FlatFontComboBox>("ComboBox4");
    ComboBox4->setMaxVisibleItems(13);
    ComboBox4->setItemHeight(22);
    ComboBox5 = control<controls::FlatComboBox>("ComboBox5");
    ComboBox5->addItems({QStringLiteral(" Reg"), QStringLiteral(" Bold"), QStringLiteral(" Ital"),
                         QStringLiteral(" B-I")});
    ComboBox5->setCurrentIndex(-1);
    ComboBox6 = control<controls::FlatComboBox>("ComboBox6");
    ComboBox6->addItems({QStringLiteral(" 8"), QStringLiteral(" 9"), QStringLiteral(" 10"),
                         QStringLiteral(" 11"), QStringLiteral(" 12")});
    ComboBox6->setCurrentIndex(-1);
    Label9 = control<QLabel>("Label9");
    Label15 = control<QLabel>("Label15");
    // The record captions in the active-caption colour, as readable as the
    // window's background allows.
    const QColor activeCaption = appearance::readableOn(
        palette().color(backgroundRole()), palette().color(QPalette::Active, QPalette::Highlight));
    for (QLabel *caption : {Label9, Label15}) {
        QPalette palette = caption->palette();
        palette.setColor(caption->foregroundRole(), activeCaption);
        caption->setPalette(palette);
    }
    Label12 = control<QLabel>("Label12");
    panTy = control<controls::OfficePanel>("panTy");
    setTypePanelLook(false);
    helppanel = control<controls::OfficePanel>("helppanel");
    HelpMemo = control<controls::OfficeMemo>("HelpMemo");
    HelpMemo->setReadOnly(true);
    HelpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpMemo->setLineWrapMode(QTextEdit::WidgetWidth);
    HelpMemo->setPlainText(editing::helpLines().join(QLatin1Char('\n')));
    HelpMemo->setTabStopInBlanks(editing::HelpTabStopInBlanks);
    HelpMemo->setAvoidsLoneLastWords(true);
    btnVar = control<controls::OfficeButton>("btnVar");
    SecretCheckBox = control<controls::FlatCheckBox>("SecretCheckBox");
    MessageDialog1 = new controls::MessageDialog(this);
    MessageDialog1->setObjectName(QStringLiteral("MessageDialog1"));
    MessageDialog1->setText(
        QStringLiteral("The total number of \r\nlines in the data\r\nfile is not correct."));
}

void TForm1::connectHandlers()
{
    for (controls::OfficeEdit *box : m_boxes) {
        m_focusEvents->watchForEnter(box);
        box->installEventFilter(this);
    }
    m_focusEvents->watchForEnter(AlphaEdit);
    m_focusEvents->watchForEnter(EdS4);
    AlphaEdit->installEventFilter(this);
    connect(m_focusEvents, &FocusEvents::entered, this, [this](QWidget *control) {
        if (control == AlphaEdit)
            AlphaEditGetFocus();
        else if (control == EdS4)
            E13GetFocus();
        else
            EGetFocus(int(std::find(m_boxes.begin(), m_boxes.end(), control) - m_boxes.begin()) +
                      1);
    });
    connect(m_focusEvents, &FocusEvents::activated, this, &TForm1::Showsplash);

    connect(ComboBox1, &controls::FlatComboBox::changed, this, &TForm1::RefreshEBoxes);
    connect(ComboBox2, &controls::FlatComboBox::changed, this, &TForm1::RefreshEBoxes);

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
    };
    for (const auto &[name, handler] : clicks)
        connect(control<controls::OfficeButton>(name), &QAbstractButton::clicked, this, handler);
    connect(panTy, &controls::OfficePanel::clicked, this, &TForm1::panTyClick);
    connect(ComboBox4, &controls::FlatComboBox::changed, this, &TForm1::FormFontChange);
    connect(ComboBox5, &controls::FlatComboBox::changed, this, &TForm1::FontSetStyle);
    connect(ComboBox6, &controls::FlatComboBox::changed, this, &TForm1::FontSetSize);
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

void TForm1::GetData()
{
    QStringList entries;
    try {
        // Waits for the reading thread if it has not finished yet.
        LoadedVerbFile loaded =
            m_verbFileBeingRead.valid() ? m_verbFileBeingRead.get() : loadVerbFile();
        m_verbList = std::move(loaded.verbList);
        entries = std::move(loaded.verbListEntries);
    } catch (const data::VerbFileError &error) {
        // The window stays open with its controls as designed.
        QMessageBox::critical(this, QGuiApplication::applicationDisplayName(),
                              QString::fromUtf8(error.what()) + QLatin1Char('.'));
        emit startUpFinished();
        return;
    }
    if (!m_verbList.lineCountIsWholeRecords())
        MessageDialog1->execute();
    ComboBox1->addItems(entries);
    if (!entries.isEmpty()) {
        ComboBox1->setCurrentIndex(0);
        ComboBox2->setCurrentIndex(0);
    }
    RefreshEBoxes();
    if (auto *seeded = dynamic_cast<practice::SeededRandomSource *>(m_random.get()))
        seeded->reseed(practice::timeOfDaySeed());
    emit startUpFinished();
}

void TForm1::RefreshEBoxes()
{
    for (controls::OfficeEdit *box : m_boxes) {
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
        if (content.layoutFound) {
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
    if (panTy->palette().color(panTy->backgroundRole()) == palette().color(QPalette::Base))
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

practice::BoxTexts TForm1::boxTexts() const
{
    practice::BoxTexts texts;
    for (int i = 0; i < data::BoxCount; ++i)
        texts[i] = m_boxes[i]->text();
    return texts;
}

void TForm1::setBoxTexts(const practice::BoxTexts &texts)
{
    for (int i = 0; i < data::BoxCount; ++i) {
        if (m_boxes[i]->text() != texts[i]) // an unchanged box keeps its caret
            m_boxes[i]->setText(texts[i]);
    }
}

QColor TForm1::normalBoxColor() const
{
    return palette().color(QPalette::Base);
}

} // namespace app
