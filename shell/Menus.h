#pragma once
// The main menu: one table of items (texts with mnemonics and shortcut texts,
// separators, command ids) and the rules that decide how an item is drawn.
// The rules run every time a menu opens, so an item always shows the state of
// the moment.

#include <QString>

class QAction;
class QMenu;
class QMenuBar;

// How an item is drawn now: enabled, checked (only items with a check rule
// can show a check) and its text.
struct MenuItemState {
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
    QString text;
};

// What the rules read of the main frame itself rather than of the state.
struct FrameState {
    bool fullScreen = false;
};

// The state of the item with this command id; text is the item's table text
// unless a rule changes it.
MenuItemState MenuItemStateFor(int commandId, const FrameState& frame = {});

// Builds the six menus on the bar. Every item's action carries its command id
// (QAction::data) and its key, if it has one, and the rules are applied when
// its menu is about to show.
void BuildMainMenu(QMenuBar* bar);

// Applies the rules to every item of one menu, or of every menu on the bar;
// the frame is the window the bar belongs to.
void UpdateMenuItems(QMenu* menu);
void UpdateMenuBar(QMenuBar* bar);

// The menus' titles and prompts again, and every item's text, in the
// language in force.
void RetranslateMainMenu(QMenuBar* bar);

// Options > Language: whether a command chooses a language, and which.
enum class UiLanguage;
bool IsLanguageCommand(int commandId);
UiLanguage LanguageOfCommand(int commandId);

// The speed a Speed menu command sets, or 0 for any other command.
int SpeedOfCommand(int commandId);

// The action that carries a command id, or nullptr.
QAction* FindCommandAction(QMenuBar* bar, int commandId);
