// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/DesignLooks.h"

#include "controls/FlatComboBox.h"
#include "controls/FlatFontComboBox.h"
#include "controls/OfficeButton.h"
#include "controls/OfficeEdit.h"
#include "controls/OfficeMemo.h"
#include "controls/OfficePanel.h"

#include <functional>

namespace controls {

namespace {

using S = OfficeBorderStyle;

struct ButtonLook {
    QStringList names;
    S normal, flat, focused, down;
};

const QList<ButtonLook> &buttonLooks()
{
    static const QList<ButtonLook> looks = {
        {{"btnVar", "btnAlpha", "leftCopy", "leftPaste", "rightCopy", "rightPaste", "btnHelp",
          "btnFont", "btnUmlauta", "btnUmlauto", "btnUmlautu", "btnSzet", "btnUmlautaR",
          "btnUmlautoR", "btnUmlautuR", "btnSzetR"},
         S::Etched,
         S::Flat,
         S::None,
         S::Etched},
        {{"btnShowRand", "btnShowCorrect"}, S::Etched, S::None, S::None, S::None},
        {{"btnTestAnswers", "btnTestAnswersRestore", "btnShowAll", "btnShowAllRestore",
          "btnShowCorrectRestore"},
         S::Etched,
         S::None,
         S::OuterRaised,
         S::None},
        {{"btnHelpClose"}, S::Up, S::None, S::OuterRaised, S::Sunken},
    };
    return looks;
}

QStringList answerBoxNames()
{
    QStringList names;
    for (int box = 1; box <= 36; ++box)
        names.append(QStringLiteral("E%1").arg(box));
    return names + QStringList{"AlphaEdit", "EdS4"};
}

class LookApplier {
public:
    explicit LookApplier(QWidget *window) : m_window(window) {}

    template <typename T> void apply(const QStringList &names, const std::function<void(T *)> &look)
    {
        for (const QString &name : names) {
            if (T *control = m_window->findChild<T *>(name))
                look(control);
            else
                m_missing.append(name);
        }
    }

    QStringList missing() const { return m_missing; }

private:
    QWidget *m_window;
    QStringList m_missing;
};

} // namespace

QStringList applyDesignLooks(QWidget *window)
{
    LookApplier looks(window);

    // The design lists the styles before Flat, so setting Flat keeps them.
    looks.apply<OfficeEdit>(answerBoxNames(), [](OfficeEdit *box) {
        box->setBorderStyle(S::Solid);
        box->setBorderStyleFlat(S::Solid);
        box->setBorderStyleFocused(S::Solid);
        box->setFlat(true, OfficeEdit::FlatStyles::Keep);
    });
    looks.apply<OfficeEdit>({"SpChar"}, [](OfficeEdit *box) {
        box->setBorderStyle(S::Sunken);
        box->setBorderStyleFocused(S::Sunken);
    });

    for (const ButtonLook &look : buttonLooks()) {
        looks.apply<OfficeButton>(look.names, [&look](OfficeButton *button) {
            button->setBorderStyle(look.normal);
            button->setBorderStyleFlat(look.flat);
            button->setBorderStyleFocused(look.focused);
            button->setBorderStyleDown(look.down);
        });
    }

    looks.apply<OfficePanel>({"panTy", "helppanel"}, [](OfficePanel *panel) {
        panel->setBorderStyle(S::Etched);
        panel->setBorderStyleFocused(S::Etched);
    });
    looks.apply<OfficeMemo>({"HelpMemo"}, [](OfficeMemo *memo) {
        memo->setBorderStyle(S::Etched);
        memo->setBorderStyleFocused(S::Etched);
    });

    looks.apply<FlatComboBox>(
        {"ComboBox1", "ComboBox2", "ComboBox5", "ComboBox6"}, [](FlatComboBox *list) {
            list->setActivate(false);
            list->setFlat(true);
            list->setShowBorder(true);
            list->setEditable(false);
            QPalette colours = list->palette();
            colours.setColor(list->backgroundRole(), colours.color(QPalette::Button));
            list->setPalette(colours);
        });
    looks.apply<FlatFontComboBox>({"ComboBox4"}, [](FlatFontComboBox *chooser) {
        chooser->setOptions(allFontOptions() & ~FontOptions(foScalable));
    });
    return looks.missing();
}

} // namespace controls
