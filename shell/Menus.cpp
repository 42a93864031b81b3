#include "shell/Menus.h"

#include "core/SimulationState.h"
#include "core/Statistic.h"
#include "resources/Resource.h"
#include "shell/TextCopies.h"
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

// The main menu. Print stays in the menu for the familiar layout but is never
// enabled: there is no document to print. New, Open, Save and the editing keys
// are not bound for the same reason; Ctrl+C copies the picture of a window
// (a text field that has the focus keeps the key for its text). The figures
// go as text by the access keys alone: no shortcut is free and obvious.
const MenuSpec kMainMenu[] = {
    {"&File",
     {
         {"&Print...\tCtrl+P", ID_FILE_PRINT, "Print the active document"},
         {"Print Pre&view", ID_FILE_PRINT_PREVIEW, "Display full pages"},
         {"P&rint Setup...", ID_FILE_PRINT_SETUP, "Change the printer and printing options"},
         kSep,
         {"E&xit", ID_APP_EXIT, "Quit the application"},
     }},
    {"&Edit",
     {
         {"&Copy Picture", ID_EDIT_COPY_PICTURE, nullptr, "Ctrl+C"},
         kSep,
         {"Copy &Series as Text", ID_EDIT_COPY_SERIES_TEXT},
         {"Copy Sample &Values", ID_EDIT_COPY_SAMPLE_VALUES},
         {"Copy &Population as Text", ID_EDIT_COPY_POPULATION_TEXT},
     }},
    {"&Window",
     {
         {"&Population", ID_WINDOW_POPULATION},
         {"&Samples", ID_WINDOW_SAMPLES},
         {"Sampling &Distribution", ID_WINDOW_SAMPLING_DIST},
         {"&Confidence Intervals", ID_WINDOW_CONF_INTERVALS},
         kSep,
         {"Population Se&ttings", ID_WINDOW_POP_SETTINGS},
         kSep,
         {"Close &Window", ID_WINDOW_CLOSE},
         kSep,
         {"&Arrange for This Screen", ID_WINDOW_ARRANGE},
         {"&Full Screen", ID_WINDOW_FULL_SCREEN, nullptr, "F11"},
     }},
    {"&Measurement",
     {
         {"&Binomial", ID_MEASUREMENT_BINOMIAL},
         {"&Discrete", ID_MEASUREMENT_DISCRETE},
         {"&Continuous", ID_MEASUREMENT_CONTINUOUS},
     }},
    {"&Speed",
     {
         {"&S  Slowest\tCtrl+1", ID_SPEED_S, nullptr, nullptr, 5},
         {"&2\tCtrl+2", ID_SPEED_2, nullptr, nullptr, 4},
         {"&3\tCtrl+3", ID_SPEED_3, nullptr, nullptr, 3},
         {"&4\tCtrl+4", ID_SPEED_4, nullptr, nullptr, 2},
         {"&F  Fastest\tCtrl+5", ID_SPEED_F, nullptr, nullptr, 1},
     }},
    {"&Options",
     {
         {"Display Samples in Population", ID_OPTIONS_DISPLAY_SAMPLES},
         {"Do Not Display Samples", ID_OPTIONS_NO_DISPLAY_SAMPLES},
         kSep,
         {"&Observed Values", ID_OPTIONS_OBSERVED},
         {"&Z-Values", ID_OPTIONS_Z_VALUES},
         {"&T-Values", ID_OPTIONS_T_VALUES},
         kSep,
         {"Proportion &Above", ID_OPTIONS_PROPORTION_ABOVE},
         {"Proportion &Below", ID_OPTIONS_PROPORTION_BELOW},
         kSep,
         {"&One Slider", ID_OPTIONS_ONE_SLIDER},
         {"Two Sliders &Separate", ID_OPTIONS_TWO_SLIDERS_SEPARATE},
         {"Two Sliders Tandem", ID_OPTIONS_TWO_SLIDERS_TANDEM},
         kSep,
         {"Possible Mu", ID_OPTIONS_POSSIBLE_MU},
         kSep,
         {"Colour-Blind Safe &Colours", ID_OPTIONS_COLOUR_BLIND},
     }},
    {"S&tatistic",
     {
         {QT_TRANSLATE_NOOP("Shell", "&Mean"), ID_STATISTIC_MEAN},
         {QT_TRANSLATE_NOOP("Shell", "Me&dian"), ID_STATISTIC_MEDIAN},
         {QT_TRANSLATE_NOOP("Shell", "&Standard Deviation (s)"), ID_STATISTIC_SD},
         {QT_TRANSLATE_NOOP("Shell", "&Variance (s\u00b2, n \u2212 1)"), ID_STATISTIC_VARIANCE},
         {QT_TRANSLATE_NOOP("Shell", "Variance (&n)"), ID_STATISTIC_VARIANCE_N},
         {QT_TRANSLATE_NOOP("Shell", "&Range"), ID_STATISTIC_RANGE},
     }},
    {"&Help",
     {
         {"&About Dorvane...", ID_APP_ABOUT,
          "Display program information, version number and copyright"},
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
    const QString text = spec ? QCoreApplication::translate("Shell", spec->text) : QString();
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
    case ID_OPTIONS_T_VALUES: {
        // z and t values are of the mean; another statistic is shown as observed.
        state = Checked(text, id == ID_OPTIONS_Z_VALUES ? g_showZValues && !g_showTValues
                                                        : !g_showZValues && g_showTValues);
        state.enabled = g_isBinomial || g_statistic == Statistic::Mean;
        return state;
    }
    case ID_STATISTIC_MEAN:
    case ID_STATISTIC_MEDIAN:
    case ID_STATISTIC_SD:
    case ID_STATISTIC_VARIANCE:
    case ID_STATISTIC_VARIANCE_N:
    case ID_STATISTIC_RANGE: {
        const Statistic statistic = StatisticOfCommand(id);
        // A binomial population has its proportion only.
        state = Checked(text, (g_isBinomial ? Statistic::Mean : g_statistic) == statistic);
        state.enabled = !g_isBinomial || statistic == Statistic::Mean;
        return state;
    }
    case ID_OPTIONS_PROPORTION_ABOVE:
        return Checked(g_oneSlider ? QStringLiteral("Proportion &Above")
                                   : QStringLiteral("Proportion &Outside"),
                       g_proportionAbove);
    case ID_OPTIONS_PROPORTION_BELOW:
        return Checked(g_oneSlider ? QStringLiteral("Proportion &Below")
                                   : QStringLiteral("Proportion &Between"),
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
    default:
        return state;
    }
}

void UpdateMenuItems(QMenu* menu) {
    FrameState frame;
    if (const QWidget* bar = menu->parentWidget()) frame.fullScreen = bar->window()->isFullScreen();
    for (QAction* action : menu->actions()) {
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

void BuildMainMenu(QMenuBar* bar) {
    for (const MenuSpec& spec : kMainMenu) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(spec.title));
        for (const MenuItemSpec& item : spec.items) {
            if (!item.text) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QCoreApplication::translate("Shell", item.text));
            action->setData(item.id);
            if (item.prompt) action->setStatusTip(QString::fromLatin1(item.prompt));
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

QAction* FindCommandAction(QMenuBar* bar, int id) {
    for (QAction* top : bar->actions()) {
        QMenu* menu = top->menu();
        if (!menu) continue;
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && action->data().toInt() == id) return action;
    }
    return nullptr;
}

Statistic StatisticOfCommand(int commandId) {
    switch (commandId) {
    case ID_STATISTIC_MEDIAN:
        return Statistic::Median;
    case ID_STATISTIC_SD:
        return Statistic::StandardDeviation;
    case ID_STATISTIC_VARIANCE:
        return Statistic::Variance;
    case ID_STATISTIC_VARIANCE_N:
        return Statistic::VarianceN;
    case ID_STATISTIC_RANGE:
        return Statistic::Range;
    default:
        return Statistic::Mean;
    }
}

bool IsStatisticCommand(int commandId) {
    return commandId >= ID_STATISTIC_MEAN && commandId <= ID_STATISTIC_RANGE;
}

int SpeedOfCommand(int commandId) {
    const MenuItemSpec* spec = FindSpec(commandId);
    return spec ? spec->speed : 0;
}
