// The main menu as it reads: titles, items in order with their separators,
// mnemonics and shortcut texts, and no bound shortcut.
#include "tests/shell/ShellTestSupport.h"

#include <QLabel>
#include <QMenuBar>
#include <QStringList>

using MenuLayout = ShellTest;

namespace {
QStringList Items(QMenu* menu) {
    QStringList items;
    for (QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-")
                                        : action->text() + "=" + action->data().toString());
    return items;
}
} // namespace

TEST_F(MenuLayout, ItemsSeparatorsAndCommandIds) {
    QStringList titles;
    QList<QMenu*> menus;
    for (QAction* top : Frame().menuBar()->actions()) {
        titles << top->text();
        menus << top->menu();
    }
    ASSERT_EQ(titles, QStringList({"&File", "&Window", "&Measurement", "&Options", "&Help"}));

    EXPECT_EQ(Items(menus[0]), QStringList({"&Print...\tCtrl+P=57607", "Print Pre&view=57609",
                                            "P&rint Setup...=57606", "-", "E&xit=57665"}));
    EXPECT_EQ(Items(menus[1]),
              QStringList({"&Population=32771", "&Samples=32788", "Sampling &Distribution=32772",
                           "&Confidence Intervals=32773", "-", "Population &Settings=32774", "-",
                           "&Close Window=32775"}));
    EXPECT_EQ(Items(menus[2]),
              QStringList({"&Binomial=32776", "&Discrete=32777", "&Continuous=32778"}));
    EXPECT_EQ(Items(menus[3]),
              QStringList({"Display Samples in Population=32798", "Do Not Display Samples=32799",
                           "-", "&Observed Values=32789", "&Z-Values=32790", "&T-Values=32791", "-",
                           "Proportion &Above=32792", "Proportion &Below=32793", "-",
                           "&One Slider=32794", "Two Sliders &Separate=32795",
                           "Two Sliders Tandem=32796", "-", "Possible Mu=32797"}));
    EXPECT_EQ(Items(menus[4]), QStringList({"&About Dorvane...=57664"}));

    // There is no document: no key is bound to a command, Ctrl+P included.
    for (QMenu* menu : menus)
        for (QAction* action : menu->actions())
            EXPECT_TRUE(action->shortcut().isEmpty());
}

TEST_F(MenuLayout, StatusBarShowsPromptsOfStandardItemsOnly) {
    ASSERT_TRUE(Hover(57665));
    EXPECT_EQ(Frame().MessagePane()->text(), "Quit the application");
    CloseMenus();
    EXPECT_EQ(Frame().MessagePane()->text(), "Ready");

    ASSERT_TRUE(Hover(57664));
    EXPECT_EQ(Frame().MessagePane()->text(),
              "Display program information, version number and copyright");
    // The program's own commands have no prompt.
    ASSERT_TRUE(Hover(32771));
    EXPECT_EQ(Frame().MessagePane()->text(), "");
    CloseMenus();
    EXPECT_EQ(Frame().MessagePane()->text(), "Ready");
}
