#include "shell/Menus.h"

#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/TextCopies.h"
#include "ui/Language.h"
#include "ui/SpeedControl.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr int kSeparator = 0;

struct MenuItemSpec {
    const char* text; // nullptr for a separator
    int id;
    // Prompt in the status bar while the item is highlighted; only the
    // framework-style items have one.
    const char* prompt = nullptr;
    // The key that chooses the item from anywhere in the frame, or none.
    const char* keys = nullptr;
    // The speed items answer their keys in every window of the program.
    int speed = 0;
};

struct MenuSpec {
    const char* title;
    std::initializer_list<MenuItemSpec> items;
};

const MenuItemSpec kSep{nullptr, kSeparator};

QString Tr(const char* english) {
    return QCoreApplication::translate("Shell", english);
}

// Options > Language: each language under its own name.
struct LanguageItem {
    int id;
    UiLanguage language;
    const char* name;
};
const LanguageItem kLanguages[] = {
    {ID_OPTIONS_LANGUAGE_EN, UiLanguage::English, "English"},
    {ID_OPTIONS_LANGUAGE_DE, UiLanguage::German, "Deutsch"},
    {ID_OPTIONS_LANGUAGE_ES, UiLanguage::Spanish, "Espa\u00f1ol"},
};
const char kLanguageMenuTitle[] = QT_TRANSLATE_NOOP("Shell", "&Language");

// The main menu. Print stays in the menu for the familiar layout but is never
// enabled: there is no document to print. New, Open, Save and the editing keys
// are not bound for the same reason; Ctrl+C copies the picture of a window
// (a text field that has the focus keeps the key for its text). The figures
// go as text by the access keys alone: no shortcut is free and obvious.
const MenuSpec kMainMenu[] = {
    {QT_TRANSLATE_NOOP("Shell", "&File"),
     {
         {QT_TRANSLATE_NOOP("Shell", "&Print...\tCtrl+P"), ID_FILE_PRINT,
          QT_TRANSLATE_NOOP("Shell", "Print the active document")},
         {QT_TRANSLATE_NOOP("Shell", "Print Pre&view"), ID_FILE_PRINT_PREVIEW,
          QT_TRANSLATE_NOOP("Shell", "Display full pages")},
         {QT_TRANSLATE_NOOP("Shell", "P&rint Setup..."), ID_FILE_PRINT_SETUP,
          QT_TRANSLATE_NOOP("Shell", "Change the printer and printing options")},
         kSep,
         {QT_TRANSLATE_NOOP("Shell", "E&xit"), ID_APP_EXIT,
          QT_TRANSLATE_NOOP("Shell", "Quit the application")},
     }},
    {QT_TRANSLATE_NOOP("Shell", "&Edit"),
     {
         {QT_TRANSLATE_NOOP("Shell", "&Copy Picture"), ID_EDIT_COPY_PICTURE, nullptr, "Ctrl+C"},
         kSep,
         {QT_TRANSLATE_NOOP("Shell", "Copy &Series as Text"), ID_EDIT_COPY_SERIES_TEXT},
         {QT_TRANSLATE_NOOP("Shell", "Copy Sample &Values"), ID_EDIT_COPY_SAMPLE_VALUES},
         {QT_TRANSLATE_NOOP("Shell", "Copy &Population as Text"), ID_EDIT_COPY_POPULATION_TEXT},
     }},
    {QT_TRANSLATE_NOOP("Shell", "&Window"),
     {
         {QT_TRANSLATE_NOOP("Shell", "&Population"), ID_WINDOW_POPULATION},
         {QT_TRANSLATE_NOOP("Shell", "&Samples"), ID_WINDOW_SAMPLES},
         {QT_TRANSLATE_NOOP("Shell", "Sampling &Distribution"), ID_WINDOW_SAMPLING_DIST},
         {QT_TRANSLATE_NOOP("Shell", "&Confidence Intervals"), ID_WINDOW_CONF_INTERVALS},
         kSep,
         {QT_TRANSLATE_NOOP("Shell", "Population Se&ttings"), ID_WINDOW_POP_SETTINGS},
         kSep,
         {QT_TRANSLATE_NOOP("Shell", "Close &Window"), ID_WINDOW_CLOSE},
         kSep,
         {QT_TRANSLATE_NOOP("Shell", "&Arrange for This Screen"), ID_WINDOW_ARRANGE},
         {QT_TRANSLATE_NOOP("Shell", "&Full Screen"), ID_WINDOW_FULL_SCREEN, nullptr, "F11"},
     }},
    {QT_TRANSLATE_NOOP("Shell", "&Measurement"),
     {
         {QT_TRANSLATE_NOOP("Shell", "&Binomial"), ID_MEASUREMENT_BINOMIAL},
         {QT_TRANSLATE_NOOP("Shell", "&Discrete"), ID_MEASUREMENT_DISCRETE},
         {QT_TRANSLATE_NOOP("Shell", "&Continuous"), ID_MEASUREMENT_CONTINUOUS},
     }},
    {QT_TRANSLATE_NOOP("Shell", "&Speed"),
     {
         {QT_TRANSLATE_NOOP("Shell", "&S  Slowest\tCtrl+1"), ID_SPEED_S, nullptr, nullptr, 5},
         {QT_TRANSLATE_NOOP("Shell", "&2\tCtrl+2"), ID_SPEED_2, nullptr, nullptr, 4},
         {QT_TRANSLATE_NOOP("Shell", "&3\tCtrl+3"), ID_SPEED_3, nullptr, nullptr, 3},
         {QT_TRANSLATE_NOOP("Shell", "&4\tCtrl+4"), ID_SPEED_4, nullptr, nullptr, 2},
         {QT_TRANSLATE_NOOP("Shell", "&F  Fastest\tCtrl+5"), ID_SPEED_F, nullptr, nullptr, 1},
     }},
    {QT_TRANSLATE_NOOP("Shell", "&Options"),
     {
         {QT_TRANSLATE_NOOP("Shell", "Display Samples in Population"), ID_OPTIONS_DISPLAY_SAMPLES},
         {QT_TRANSLATE_NOOP("Shell", "Do Not Display Samples"), ID_OPTIONS_NO_DISPLAY_SAMPLES},
         kSep,
         {QT_TRANSLATE_NOOP("Shell", "&Observed Values"), ID_OPTIONS_OBSERVED},
         {QT_TRANSLATE_NOOP("Shell", "&Z-Values"), ID_OPTIONS_Z_VALUES},
         {QT_TRANSLATE_NOOP("Shell", "&T-Values"), ID_OPTIONS_T_VALUES},
         kSep,
         {QT_TRANSLATE_NOOP("Shell", "Proportion &Above"), ID_OPTIONS_PROPORTION_ABOVE},
         {QT_TRANSLATE_NOOP("Shell", "Proportion &Below"), ID_OPTIONS_PROPORTION_BELOW},
         kSep,
         {QT_TRANSLATE_NOOP("Shell", "&One Slider"), ID_OPTIONS_ONE_SLIDER},
         {QT_TRANSLATE_NOOP("Shell", "Two Sliders &Separate"), ID_OPTIONS_TWO_SLIDERS_SEPARATE},
         {QT_TRANSLATE_NOOP("Shell", "Two Sliders Tandem"), ID_OPTIONS_TWO_SLIDERS_TANDEM},
         kSep,
         {QT_TRANSLATE_NOOP("Shell", "Possible Mu"), ID_OPTIONS_POSSIBLE_MU},
         kSep,
         {QT_TRANSLATE_NOOP("Shell", "Colour-Blind Safe &Colours"), ID_OPTIONS_COLOUR_BLIND},
         kSep,
         {kLanguageMenuTitle, ID_OPTIONS_LANGUAGE},
     }},
    {QT_TRANSLATE_NOOP("Shell", "&Help"),
     {
         {QT_TRANSLATE_NOOP("Shell", "&About Dorvane..."), ID_APP_ABOUT,
          QT_TRANSLATE_NOOP("Shell", "Display program information, version number and copyright")},
     }},
};

const MenuItemSpec* FindSpec(int id) {
    for (const MenuSpec& menu : kMainMenu)
        for (const MenuItemSpec& item : menu.items)
            if (item.text && item.id == id) return &item;
    return nullptr;
}

MenuItemState Checked(const QString& text, bool on) {
    MenuItemState state;
    state.text = text;
    state.checkable = true;
    state.checked = on;
    return state;
}

} // namespace

MenuItemState MenuItemStateFor(int id, const FrameState& frame) {
    const MenuItemSpec* spec = FindSpec(id);
    const QString text = spec ? Tr(spec->text) : QString();
    MenuItemState state;
    state.text = text;
    if (spec && spec->speed) return Checked(text, g_speed == spec->speed);
    switch (id) {
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
    case ID_FILE_PRINT_SETUP:
    case ID_OPTIONS_DISPLAY_SAMPLES:
    case ID_OPTIONS_NO_DISPLAY_SAMPLES:
        state.enabled = false;
        return state;
    case ID_EDIT_COPY_SERIES_TEXT:
    case ID_EDIT_COPY_SAMPLE_VALUES:
        state.enabled = SeriesToCopy();
        return state;
    case ID_EDIT_COPY_POPULATION_TEXT:
        state.enabled = PopulationToCopy();
        return state;
    case ID_WINDOW_POP_SETTINGS:
        // Shown values can be set only for a continuous population.
        state.enabled = g_isContinuous && !g_isDiscrete && !g_isBinomial;
        return state;
    case ID_MEASUREMENT_BINOMIAL:
        return Checked(text, g_isBinomial);
    case ID_MEASUREMENT_DISCRETE:
        return Checked(text, g_isDiscrete);
    case ID_MEASUREMENT_CONTINUOUS:
        return Checked(text, g_isContinuous);
    case ID_OPTIONS_OBSERVED:
        return Checked(text, !g_showZValues && !g_showTValues);
    case ID_OPTIONS_Z_VALUES:
        return Checked(text, g_showZValues && !g_showTValues);
    case ID_OPTIONS_T_VALUES:
        return Checked(text, !g_showZValues && g_showTValues);
    case ID_OPTIONS_PROPORTION_ABOVE:
        return Checked(g_oneSlider ? Tr("Proportion &Above")
                                   : Tr(QT_TRANSLATE_NOOP("Shell", "Proportion &Outside")),
                       g_proportionAbove);
    case ID_OPTIONS_PROPORTION_BELOW:
        return Checked(g_oneSlider ? Tr("Proportion &Below")
                                   : Tr(QT_TRANSLATE_NOOP("Shell", "Proportion &Between")),
                       !g_proportionAbove);
    case ID_OPTIONS_ONE_SLIDER:
        return Checked(text, g_oneSlider && !g_slidersTandem);
    case ID_OPTIONS_TWO_SLIDERS_SEPARATE:
        return Checked(text, !g_oneSlider && !g_slidersTandem);
    case ID_OPTIONS_TWO_SLIDERS_TANDEM:
        return Checked(text, g_slidersTandem && !g_oneSlider);
    case ID_OPTIONS_POSSIBLE_MU:
        return Checked(text, g_possibleMu);
    case ID_OPTIONS_COLOUR_BLIND:
        return Checked(text, g_colourBlindSafe);
    case ID_WINDOW_FULL_SCREEN:
        return Checked(text, frame.fullScreen);
    case ID_OPTIONS_LANGUAGE_EN:
    case ID_OPTIONS_LANGUAGE_DE:
    case ID_OPTIONS_LANGUAGE_ES:
        for (const LanguageItem& item : kLanguages)
            if (item.id == id)
                return Checked(QString::fromUtf8(item.name), CurrentUiLanguage() == item.language);
        return state;
    default:
        return state;
    }
}

void UpdateMenuItems(QMenu* menu) {
    FrameState frame;
    if (const QWidget* bar = menu->parentWidget()) frame.fullScreen = bar->window()->isFullScreen();
    for (QAction* action : menu->actions()) {
        if (QMenu* submenu = action->menu()) UpdateMenuItems(submenu);
        if (action->isSeparator() || action->menu()) continue;
        const MenuItemState state = MenuItemStateFor(action->data().toInt(), frame);
        action->setEnabled(state.enabled);
        action->setCheckable(state.checkable);
        action->setChecked(state.checked);
        action->setText(state.text);
    }
}

void UpdateMenuBar(QMenuBar* bar) {
    for (QAction* top : bar->actions())
        if (QMenu* menu = top->menu()) UpdateMenuItems(menu);
}

UiLanguage LanguageOfCommand(int commandId) {
    for (const LanguageItem& item : kLanguages)
        if (item.id == commandId) return item.language;
    return UiLanguage::English;
}

bool IsLanguageCommand(int commandId) {
    for (const LanguageItem& item : kLanguages)
        if (item.id == commandId) return true;
    return false;
}

void RetranslateMainMenu(QMenuBar* bar) {
    const QList<QAction*> tops = bar->actions();
    int k = 0;
    for (const MenuSpec& spec : kMainMenu) {
        if (k >= tops.size()) break;
        QMenu* menu = tops[k++]->menu();
        menu->setTitle(Tr(spec.title));
        for (QAction* action : menu->actions()) {
            if (action->menu()) action->menu()->setTitle(Tr(kLanguageMenuTitle));
            const MenuItemSpec* item = FindSpec(action->data().toInt());
            if (item && item->prompt) action->setStatusTip(Tr(item->prompt));
        }
    }
    UpdateMenuBar(bar);
}

void BuildMainMenu(QMenuBar* bar) {
    for (const MenuSpec& spec : kMainMenu) {
        QMenu* menu = bar->addMenu(Tr(spec.title));
        for (const MenuItemSpec& item : spec.items) {
            if (!item.text) {
                menu->addSeparator();
                continue;
            }
            if (item.id == ID_OPTIONS_LANGUAGE) {
                QMenu* languages = menu->addMenu(Tr(item.text));
                for (const LanguageItem& language : kLanguages)
                    languages->addAction(QString::fromUtf8(language.name))->setData(language.id);
                continue;
            }
            QAction* action = menu->addAction(Tr(item.text));
            action->setData(item.id);
            if (item.prompt) action->setStatusTip(Tr(item.prompt));
            if (item.keys) action->setShortcut(QKeySequence(QString::fromLatin1(item.keys)));
            if (item.speed) {
                action->setShortcut(SpeedShortcut(item.speed));
                action->setShortcutContext(Qt::ApplicationShortcut);
            }
        }
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { UpdateMenuItems(menu); });
        UpdateMenuItems(menu);
    }
}

namespace {
QAction* FindIn(QMenu* menu, int id) {
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            if (QAction* found = FindIn(action->menu(), id)) return found;
        } else if (!action->isSeparator() && action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}
} // namespace

QAction* FindCommandAction(QMenuBar* bar, int id) {
    for (QAction* top : bar->actions())
        if (QMenu* menu = top->menu())
            if (QAction* found = FindIn(menu, id)) return found;
    return nullptr;
}

int SpeedOfCommand(int commandId) {
    const MenuItemSpec* spec = FindSpec(commandId);
    return spec ? spec->speed : 0;
}
