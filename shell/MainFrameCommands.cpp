// The main frame's menu commands: the Window and Measurement commands, the
// Options, Close Window, Copy Picture and the text copies, Full Screen and About. The frame's own
// file calls in here (the start-up runs the Window commands); nothing here
// calls back into it.
#include "shell/MainFrame.h"

#include "core/Population.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "core/WorkspaceLayout.h"
#include "resources/Resource.h"
#include "shell/AboutDlg.h"
#include "shell/Menus.h"
#include "shell/TextCopies.h"
#include "shell/ToolWindowTable.h"
#include "shell/WindowViews.h"
#include "ui/FocusRing.h"
#include "ui/Language.h"
#include "ui/RepaintNow.h"
#include "ui/SpeedControl.h"
#include "ui/ToolWindow.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/sampdist/SliderModel.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <vector>

void CMainFrame::OnCommand(int commandId) {
    if (const ToolWindowEntry* entry = FindToolWindow(commandId)) {
        ShowToolWindow(*entry);
    } else if (const int speed = SpeedOfCommand(commandId)) {
        CSpeedControl::SetSpeed(speed);
    } else if (IsLanguageCommand(commandId)) {
        // Every window hears of the change and retranslates; the series stays.
        SetUiLanguage(LanguageOfCommand(commandId));
    } else {
        switch (commandId) {
        case ID_APP_EXIT:
            close();
            break;
        case ID_APP_ABOUT:
            ShowAbout();
            break;
        case ID_WINDOW_CLOSE:
            CloseActiveWindow();
            break;
        case ID_MEASUREMENT_BINOMIAL:
            SwitchToBinomial();
            break;
        case ID_MEASUREMENT_DISCRETE:
        case ID_MEASUREMENT_CONTINUOUS:
            SwitchToMeasurement(commandId);
            break;
        case ID_OPTIONS_OBSERVED:
            SetShownStatistic(0, 0);
            break;
        case ID_OPTIONS_Z_VALUES:
            SetShownStatistic(1, 0);
            break;
        case ID_OPTIONS_T_VALUES:
            SetShownStatistic(0, 1);
            break;
        case ID_OPTIONS_PROPORTION_ABOVE:
            g_proportionAbove = 1;
            RepaintDorvane();
            break;
        case ID_OPTIONS_PROPORTION_BELOW:
            g_proportionAbove = 0;
            RepaintDorvane();
            break;
        case ID_OPTIONS_ONE_SLIDER:
            OneSlider();
            RepaintDorvane();
            break;
        case ID_OPTIONS_TWO_SLIDERS_SEPARATE:
            TwoSlidersSeparate();
            RepaintDorvane();
            break;
        case ID_OPTIONS_TWO_SLIDERS_TANDEM:
            TwoSlidersTandem();
            RepaintDorvane();
            break;
        case ID_OPTIONS_POSSIBLE_MU:
            TogglePossibleMu();
            break;
        case ID_OPTIONS_COLOUR_BLIND:
            ToggleColourBlindSafe();
            break;
        case ID_EDIT_COPY_PICTURE:
            CopyPicture();
            break;
        case ID_EDIT_COPY_SERIES_TEXT:
            CopyText(SeriesToCopy() ? SeriesCopy() : TextCopy{});
            break;
        case ID_EDIT_COPY_SAMPLE_VALUES:
            CopyText(SeriesToCopy() ? SampleValuesCopy() : TextCopy{});
            break;
        case ID_EDIT_COPY_POPULATION_TEXT:
            CopyText(PopulationToCopy() ? PopulationCopy() : TextCopy{});
            break;
        case ID_WINDOW_FULL_SCREEN:
            ToggleFullScreen();
            break;
        case ID_WINDOW_ARRANGE:
            ArrangeForScreen();
            break;
        default:
            break; // print items are never enabled; the two sample-display items have
                   // no command
        }
    }
    // Checkable items toggle themselves when chosen; put every item back to
    // what the state says.
    UpdateMenuBar(menuBar());
}

void CMainFrame::ShowToolWindow(const ToolWindowEntry& entry) {
    if (!entry.create) return; // that window is not part of the program yet
    CToolWindow* window = entry.existing();
    if (window) {
        window->ShowTool();
    } else {
        window = entry.create(m_mdiArea);
        if (!window) return;
        window->MoveToolTo(entry.templatePos * kDialogUnitPixels);
        if (!entry.createdHidden)
            window->ShowTool();
        else if (window->Frame())
            window->Frame()->raise(); // on top of the others once it is shown
    }
    g_activeWindowTag = entry.tag;
    if (entry.visibleFlag) *entry.visibleFlag = 1;
    if (entry.afterShow) entry.afterShow();
}

void CMainFrame::CloseActiveWindow() {
    // Whole-string compare with every tag; each match hides its window.
    for (const ToolWindowEntry& entry : ToolWindows()) {
        if (g_activeWindowTag != entry.tag) continue;
        CToolWindow* target = entry.closeTarget ? entry.closeTarget() : entry.existing();
        if (target) target->HideTool();
        if (entry.visibleFlag) *entry.visibleFlag = 0;
    }
}

void CMainFrame::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::RepaintDorvane() {
    if (g_samplingDistWndVisible) WindowDisplays().RepaintDorvaneWhole();
}

void CMainFrame::SetShownStatistic(int z, int t) {
    g_showZValues = z;
    g_showTValues = t;
    if (g_samplingDistWnd) g_samplingDistWnd->RebinForOptions();
    RepaintDorvane();
}

void CMainFrame::HideSettingsAndResetTransform() {
    if (g_popSettingsWnd) g_popSettingsWnd->HideTool();
    ResetDisplayTransform();
    if (g_popSettingsWnd) g_popSettingsWnd->SetFieldTexts(QString(), QString());
}

void CMainFrame::SwitchToBinomial() {
    HideSettingsAndResetTransform();
    if (!g_isBinomial) {
        ClearPopulationCurve();
        g_ciPopMean = PossibleMuOnNewKind(g_ciPopMean, true);
        g_isBinomial = 1;
        g_isDiscrete = 0;
        g_isContinuous = 0;
        QPoint at = FindToolWindow(ID_WINDOW_POPULATION)->templatePos * kDialogUnitPixels;
        if (g_populationWnd) {
            g_populationWnd->SetPopulationName(QStringLiteral("DISTRIBUTION"));
            g_populationWnd->HideTool();
            at = g_populationWnd->ToolGeometry().topLeft();
        }
        EnsureBinomialWindow(m_mdiArea);
        g_binomialWnd->MoveToolTo(at);
        g_binomialWnd->ShowTool();
        if (g_populationWnd) g_populationWnd->PlaceHandles();
        g_binomialWnd->SetUpBars();
        RepaintNow(g_binomialWnd);
    }
    ResetSeries();
    RepaintDorvane();
}

void CMainFrame::SwitchToMeasurement(int commandId) {
    const bool discrete = commandId == ID_MEASUREMENT_DISCRETE;
    // Shown values can be set only for a continuous population.
    if (discrete) HideSettingsAndResetTransform();
    if (g_isBinomial) {
        QPoint at = FindToolWindow(ID_WINDOW_POPULATION)->templatePos * kDialogUnitPixels;
        if (g_binomialWnd) {
            g_binomialWnd->HideTool();
            at = g_binomialWnd->ToolGeometry().topLeft();
        }
        EnsurePopulationWindow(m_mdiArea);
        g_populationWnd->MoveToolTo(at);
        g_populationWnd->ShowTool();
    }
    const bool kindChanges = discrete ? !g_isDiscrete : !g_isContinuous;
    if (kindChanges) {
        ClearPopulationCurve();
        if (g_populationWnd) {
            g_populationWnd->SetPopulationName(QStringLiteral("DISTRIBUTION"));
            g_populationWnd->PlaceHandles();
        }
    }
    // A proportion would sit near the left end of the 0 to 10 axis.
    if (g_isBinomial) g_ciPopMean = PossibleMuOnNewKind(g_ciPopMean, false);
    g_isDiscrete = discrete ? 1 : 0;
    g_isContinuous = discrete ? 0 : 1;
    g_isBinomial = 0;
    RedrawPopulationWindow();
    ResetSeries();
    RepaintDorvane();
}

void CMainFrame::RedrawPopulationWindow() {
    if (!g_populationWnd) return;
    g_populationWnd->RedrawCurve();
    g_populationWnd->RepaintPlotAndNameBox();
    // The picture buttons show the examples of the new kind.
    g_populationWnd->DrawPictureButtons();
}

void CMainFrame::TogglePossibleMu() {
    g_possibleMu = g_possibleMu ? 0 : 1;
    // The Confidence Intervals window grows by the strip's height while the
    // strip is on and returns to its start-up size when it is off.
    const ToolWindowEntry* ci = FindToolWindow(ID_WINDOW_CONF_INTERVALS);
    CToolWindow* window = ci ? ci->existing() : nullptr;
    if (!window || g_ciWndHeight <= 0) return;
    // The strip along the window's bottom grows and shrinks with it.
    g_ciStripRect.bottom += g_possibleMu ? g_possibleMuExtra : -g_possibleMuExtra;
    const QRect frame = window->ToolGeometry();
    const int frameExtra = frame.height() - window->height();
    const int height = g_ciWndHeight + (g_possibleMu ? g_possibleMuExtra : 0);
    window->ResizeClientTo(QSize(window->width(), height - frameExtra));
    WindowDisplays().RedrawConfIntervalWindow();
    RepaintNow(window);
}

CToolWindow* CMainFrame::PictureWindow() const {
    for (const ToolWindowEntry& entry : ToolWindows()) {
        if (g_activeWindowTag != entry.tag) continue;
        CToolWindow* window = entry.existing();
        if (window && window->IsToolVisible()) return window;
    }
    QMdiSubWindow* current = m_mdiArea->currentSubWindow();
    if (!current || !current->isVisible()) return nullptr;
    return qobject_cast<CToolWindow*>(current->widget());
}

void CMainFrame::CopyPicture() {
    CToolWindow* window = PictureWindow();
    if (!window) return;
    // The window as it stands, controls and all, rendered at the screen's
    // device-pixel ratio: a picture as sharp as the screen for a handout or
    // a slide. The focus ring is for the screen, not the handout. It goes to
    // the clipboard only.
    QWidget* ring = ShownFocusRing();
    const bool hideRing = ring && window->isAncestorOf(ring);
    if (hideRing) ring->hide();
    const QImage picture = window->grab().toImage();
    if (hideRing) ring->show();
    QGuiApplication::clipboard()->setImage(picture);
    m_messagePane->setText(QCoreApplication::translate("Shell", "Copied the %1 picture, %2 × %3")
                               .arg(window->windowTitle())
                               .arg(picture.width())
                               .arg(picture.height()));
}

void CMainFrame::CopyText(const TextCopy& copy) {
    // Nothing to copy (the item was chosen as it went grey): the clipboard
    // keeps what it holds.
    if (copy.message.isEmpty()) return;
    PutOnClipboard(copy.table);
    m_messagePane->setText(copy.message);
}

void CMainFrame::ArrangeForScreen() {
    // The windows shown, in the table's order (the Population window first).
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    std::vector<CToolWindow*> windows;
    std::vector<WindowSize> sizes;
    int inUse = -1;
    for (const ToolWindowEntry& entry : ToolWindows()) {
        CToolWindow* window = entry.existing();
        if (!window || !window->IsToolVisible()) continue;
        if (active && window->Frame() == active) inUse = static_cast<int>(windows.size());
        windows.push_back(window);
        const QSize size = window->ToolGeometry().size();
        sizes.push_back({size.width(), size.height()});
    }
    const QSize view = m_mdiArea->viewport()->size();
    const std::vector<Placement> placed = ArrangeWindows(view.width(), view.height(), sizes, inUse);
    for (std::size_t i = 0; i < windows.size(); ++i)
        windows[i]->MoveToolTo(QPoint(placed[i].rect.left, placed[i].rect.top));
    // Those that stand clear lie over those that overlap, so they show whole;
    // the window in use stays on top.
    for (const bool clear : {false, true})
        for (std::size_t i = 0; i < windows.size(); ++i)
            if (placed[i].clear == clear && windows[i]->Frame()) windows[i]->Frame()->raise();
    if (active && active->isVisible()) active->raise();
}

void CMainFrame::ToggleFullScreen() {
    // Maximised or not, the frame returns to what it was.
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void CMainFrame::ToggleColourBlindSafe() {
    g_colourBlindSafe = g_colourBlindSafe ? 0 : 1;
    // Every picture that shows a pair; a hidden window paints itself when
    // shown again.
    RedrawPopulationWindow();
    RepaintDorvane();
    WindowDisplays().RedrawSamplesWindow();
    WindowDisplays().RedrawConfIntervalWindow();
}
