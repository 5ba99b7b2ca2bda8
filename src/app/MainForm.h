#pragma once

#include "document/CanvasRect.h"
#include "document/DesignDocument.h"
#include "document/GuideSnap.h"
#include "edit/BoundsStep.h"
#include "edit/ReplaceDocumentStep.h"
#include "render/BackgroundPicture.h"
#include "render/DisplayState.h"
#include "render/ViewTransform.h"

#include <QImage>
#include <QMainWindow>
#include <QMetaType>
#include <QStringList>
#include <QUndoStack>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QKeyEvent;
class QComboBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QMenuBar;
class QScrollArea;
class QStatusBar;
class QToolBar;
class QToolButton;
class QWheelEvent;
class THintFormWnd;
class TQxGrabSize;

namespace volmar {
class ApplicationEvents;
class BandTool;
class CodeStyleMenu;
class FrameDragTool;
class Dialogs;
class EditStep;
class FrameOverlay;
class FramePool;
class InputWatch;
class RubberBand;
class ZoomMenu;
enum class ArrangeCommand;
enum class GrabDragStep;
class PaintBox;
struct RulerPaint;
struct RulerSelection;
} // namespace volmar

Q_DECLARE_METATYPE(TWindowItem*)

// The editor's main window. It owns the design document, the editor state,
// the grab-handle frames and the command table, and it is the switchboard
// between them: the algorithms themselves live in document/, render/ and canvas/.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Every modal question goes through dialogs, which must outlive the window.
    explicit TMainForm(volmar::Dialogs& dialogs, QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- Components, named as in the form description -------------------
    QMenuBar* MainMenu = nullptr;
    QToolBar* MainToolBar = nullptr;
    QToolButton* CheckSelectMode = nullptr; // range-selection mode
    QToolButton* CheckWindowMode = nullptr; // window-creation mode (down at start)
    QComboBox* WindowSelector = nullptr;
    QWidget* BackPanel = nullptr;
    QScrollArea* ScrollBox = nullptr;
    QWidget* PanelBack = nullptr;
    QWidget* rulerXPanel = nullptr;
    volmar::PaintBox* rulerXPaint = nullptr;
    QWidget* rulerYPanel = nullptr;
    volmar::PaintBox* rulerYPaint = nullptr;
    QWidget* WindowEditorBackPanel = nullptr; // parent of the frames; takes the keyboard focus
    volmar::PaintBox* WindowEditor = nullptr;
    QMenu* WindowEditorPopup = nullptr;
    QMenu* MenuRecentFiles = nullptr; // "最近使ったプロジェクト" in the file menu
    QStatusBar* StatusBar = nullptr;
    std::array<QLabel*, 4> StatusPanels{}; // file path, "X:", "Y:", always empty
    QLabel* StatusNotice = nullptr;        // ShowNotice's text, hidden when there is none

    // ---- Command table --------------------------------------------------
    QAction* aacUndo = nullptr;
    QAction* aacRedo = nullptr;
    QAction* aacNewProject = nullptr;
    QAction* aacOpenProject = nullptr;
    QAction* aacSaveAsProject = nullptr;
    QAction* aacSaveProject = nullptr;
    QAction* aacProjectSetting = nullptr; // the project's runtime and screen
    QAction* aacCopy = nullptr;
    QAction* aacCut = nullptr;
    QAction* aacPaste = nullptr;
    QAction* aacDelete = nullptr;
    QAction* aacSelectAll = nullptr;
    QAction* aacViewGridLine = nullptr;
    QAction* aacSnapViewGrid = nullptr;
    QAction* aacSnapToWindows = nullptr;
    QAction* aacViewContents = nullptr;
    QAction* aacViewWindowNames = nullptr;
    QAction* aacViewruler = nullptr;
    QAction* aacSkinChange = nullptr;
    QAction* aacBackgroundChange = nullptr;
    QAction* aacBackgroundRemove = nullptr;
    QAction* aacZBack = nullptr;
    QAction* aacZTop = nullptr;
    QAction* aacZFullBack = nullptr;
    QAction* aacZFullTop = nullptr;
    QAction* aacAlignLeft = nullptr;
    QAction* aacAlignRight = nullptr;
    QAction* aacAlignTop = nullptr;
    QAction* aacAlignBottom = nullptr;
    QAction* aacAlignHCenter = nullptr;
    QAction* aacAlignVCenter = nullptr;
    QAction* aacSameWidth = nullptr;
    QAction* aacSameHeight = nullptr;
    QAction* aacSpaceHorz = nullptr;
    QAction* aacSpaceVert = nullptr;
    QAction* aacSelectProperty = nullptr;
    QAction* aacCodeGen = nullptr;
    QAction* aacCheckCode = nullptr;
    QAction* aacOption = nullptr;
    QAction* aacHelp = nullptr;
    QAction* MenuEnd = nullptr;
    QAction* MenuVersion = nullptr;

    // Re-evaluates every enabling and check rule. Runs whenever the event
    // loop is about to wait; tests call it directly.
    void UpdateActions();

    // ---- Editor state -----------------------------------------------------
    volmar::Dialogs& dialogs() const { return dialogs_; }
    volmar::DesignDocument& document() { return document_; }
    const volmar::DesignDocument& document() const { return document_; }
    const volmar::EditorDisplayState& displayState() const { return view_; }
    const QImage& skinImage() const { return skin_; }
    const QString& currentFileName() const { return currentFileName_; }
    void setCurrentFileName(const QString& path) { currentFileName_ = path; }
    void setStatusText(int panel, const QString& text);
    // A note in the status bar beside the panels, e.g. about a file that was
    // read only in part; empty text takes it away.
    void ShowNotice(const QString& text);

    // ---- Undo history ---------------------------------------------------------
    // Every change of the document's list, edges or names is a step on this
    // stack; undo and redo restore the selection of their side of the step.
    QUndoStack& undoStack() { return undoStack_; }
    // Changes the edges of several definitions as one step named name: each
    // definition (by its index) gets its After edges, whether or not it has
    // them already; Before are the edges undo gives back. Changes without a
    // difference are dropped, and no step is made when none is left. The
    // frames and the canvas follow; the selection stays.
    void PushBoundsChange(const QString& name,
                          const std::vector<volmar::IndexedBoundsChange>& changes);
    // A drag on the canvas or of a frame is under way: undo and redo wait.
    bool IsDragUnderWay() const;

    // Runs a command; a failure it raises is shown in the standard error box.
    void runGuarded(const std::function<void()>& command);

    // ---- Document operations ----------------------------------------------
    int CountSelected() const;
    void SetAllSelected(bool selected);
    TWindowItem* DefinitionAt(qint32 x, qint32 y) const;
    void SelectInsideRect(const volmar::CanvasRect& r);
    void AddWindowDefinition(const volmar::CanvasRect& r);
    void ClearDocument();
    // Replaces the document with the project file at path, as Open does once
    // its dialog has named the file. Raises volmar::VolmarError when the file
    // cannot be read (also when it does not exist); the document is then empty.
    // Either way it is one step of the undo history.
    void OpenProject(const QString& path);
    // The recent-projects menu's entry: a project that no longer exists
    // leaves the list and is reported as a file that cannot be opened.
    void OpenRecentProject(const QString& path);
    // The projects opened or saved last, newest first.
    const QStringList& recentFiles() const { return recentFiles_; }
    void ZOrderStep(bool toFront);
    void ZOrderToEnd(bool toFront);
    // The window the align and size commands measure against: the one the
    // user selected last, or after Select All or a band selection the
    // front-most selected one. None without a selection.
    const TWindowItem* ArrangeReference() const;
    // Applies an align, size or spacing command to the selection as one step.
    void ArrangeSelected(volmar::ArrangeCommand command);

    // ---- Frames -----------------------------------------------------------
    // The live frames, oldest first.
    const std::vector<TQxGrabSize*>& frames() const { return frames_; }
    // The newest frame whose definition is selected, or none.
    TQxGrabSize* FindSelectedFrame() const;
    static TWindowItem* FrameItem(const TQxGrabSize* frame);
    void RebuildFrames();
    void RebuildWindowSelector();
    void SyncWindowSelector();

    // ---- Canvas interaction -------------------------------------------------
    // The floating hint beside the pointer; created hidden with the window.
    THintFormWnd* HintFormWnd = nullptr;
    // The grid rule of the design surface under the current snap settings.
    volmar::GridSnapping GridRule() const;
    volmar::CanvasPoint SnapPoint(volmar::CanvasPoint p) const;
    // The guides that hold in the drag under way: lines across the canvas.
    const volmar::GuideLines& guideLines() const { return guideLines_; }
    // Shows text in the hint window 20 pixels below the given screen point.
    void ShowCanvasHint(const QString& text, QPoint globalPointer);
    void HideCanvasHint();
    // The keyboard nudges of the selected windows, one pixel per key press.
    void MoveSelectedBy(qint32 dx, qint32 dy);
    void ResizeSelectedBy(qint32 dw, qint32 dh);
    // A drag that began on empty canvas is under way.
    bool isDragging() const;

    // ---- View state setters (they also update the live frames) ---------------
    void setGridSpacingX(qint32 spacing); // values below 1 are refused
    void setGridSpacingY(qint32 spacing); // values below 1 are refused
    void setCanvasColor(quint32 bgr);
    void setGridColor(quint32 bgr);
    void setHandleColor(quint32 bgr);
    void setMultiSelectColor(quint32 bgr);
    void setSnap(bool snap);
    void setGridVisible(bool visible);
    void setSnapToWindows(bool snap);
    void setShowContents(bool show);
    void setShowWindowNames(bool show);
    // Puts the PNG at path under the windows; a failure (raised as
    // volmar::VolmarError) leaves no picture.
    void loadBackground(const QString& path);
    void removeBackground();
    const volmar::BackgroundPicture& background() const { return background_; }
    bool rulersVisible() const;
    // Shows or hides the horizontal ruler and gives the vertical one the same state.
    void setRulersVisible(bool visible);
    // Shows each canvas pixel as factor by factor screen pixels, 1 to 3.
    void setZoom(int factor);
    // Between the canvas and the screen pixels of WindowEditor.
    volmar::ViewTransform Transform() const { return volmar::ViewTransform{view_.Zoom}; }

    // Replaces the skin image. The old skin is released first, so a failed
    // load (raised as volmar::VolmarError) leaves no skin in force.
    void loadSkin(const QString& path);
    // The skin-change command once its dialog has named the file.
    void ChangeSkin(const QString& path);

    // ---- Painting -----------------------------------------------------------
    void invalidateCanvas();
    void invalidateRulers();
    void repaintRulers(); // at once
    // The screen position of the pointer, as the rulers draw it.
    QPoint pointerPosition() const;
    void setPointerPositionSource(std::function<QPoint()> source);

public Q_SLOTS:
    // Commands. Each runs inside runGuarded when triggered.
    void aacUndoExecute();
    void aacRedoExecute();
    void aacNewProjectExecute();
    void aacOpenProjectExecute();
    void aacSaveAsProjectExecute();
    void aacSaveProjectExecute();
    void aacProjectSettingExecute();
    void aacCopyExecute();
    void aacCutExecute();
    void aacPasteExecute();
    void aacDeleteExecute();
    void aacSelectAllExecute();
    void aacViewGridLineExecute();
    void aacSnapViewGridExecute();
    void aacSnapToWindowsExecute();
    void aacViewContentsExecute();
    void aacViewWindowNamesExecute();
    void aacViewrulerExecute();
    void aacSkinChangeExecute();
    void aacBackgroundChangeExecute();
    void aacBackgroundRemoveExecute();
    void aacZBackExecute();
    void aacZTopExecute();
    void aacZFullBackExecute();
    void aacZFullTopExecute();
    void aacAlignLeftExecute();
    void aacAlignRightExecute();
    void aacAlignTopExecute();
    void aacAlignBottomExecute();
    void aacAlignHCenterExecute();
    void aacAlignVCenterExecute();
    void aacSameWidthExecute();
    void aacSameHeightExecute();
    void aacSpaceHorzExecute();
    void aacSpaceVertExecute();
    void aacSelectPropertyExecute();
    void aacCodeGenExecute();
    void aacCheckCodeExecute();
    void aacOptionExecute();
    void aacHelpExecute();
    void MenuEndClick();
    void MenuVersionClick();

    void WindowSelectorChange();
    void ScrollBoxClick();

protected:
    // ---- Life cycle ---------------------------------------------------------
    void FormCreate();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();
    // Looks up the help viewer at start-up; released again in FormDestroy.
    void PrepareHelp();
    void ReleaseHelp();
    // Reads the stored settings and hands each to its setter; loads the skin.
    void ApplySettings();
    // The view options of section "[Editor]": read at start-up, written at close.
    void ApplyViewOptions();
    void SaveViewOptions() const;

    // ---- Enabling and check rules ---------------------------------------------
    void ApplicationEventsIdle();
    void aacUndoUpdate();
    void aacSaveAsProjectUpdate();
    void aacDeleteUpdate();
    void aacHelpUpdate();
    void aacViewGridLineUpdate();
    void aacSnapViewGridUpdate();
    void aacViewOptionsUpdate(); // the toggles and the picture of our own
    void aacViewrulerUpdate();
    void aacAlignUpdate(); // shared by the commands of the "整列" menu

    // ---- Painting and pointer handlers -------------------------------------------
    void WindowEditorPaint(QImage& buffer, const QRect& clip);
    void PaintCanvasImage(QImage& image, const QRect& clip);
    void rulerXPaintPaint(QImage& buffer, const QRect& clip);
    void rulerYPaintPaint(QImage& buffer, const QRect& clip);
    void rulerXPaintMouseMove(QMouseEvent* event);
    void rulerYPaintMouseMove(QMouseEvent* event);

    // ---- Frame events ----------------------------------------------------------
    void FrameResize(TQxGrabSize* frame);
    void FrameMultiResize(TQxGrabSize* sender, std::vector<TQxGrabSize*>& list);
    void FrameCheckUnderItem(TQxGrabSize* sender, bool& hitUnderItem);
    void FrameDblClick(TQxGrabSize* frame);
    void FrameMouseUp(TQxGrabSize* frame);
    void FrameGrabSizeChange(TQxGrabSize* frame, const volmar::CanvasRect& sizeRect);
    void FrameGrabMoveChange(TQxGrabSize* frame, QPoint point);
    void FrameMouseMove(TQxGrabSize* frame);
    void FrameMoveSnap(TQxGrabSize* frame, QPoint raw, QPoint& corner);
    void FrameSizeSnap(TQxGrabSize* frame, volmar::GrabDragStep step, QPoint& point);

    // ---- Canvas pointer and key handlers ---------------------------------------
    void WindowEditorMouseDown(QMouseEvent* event);
    void WindowEditorMouseMove(QMouseEvent* event);
    void WindowEditorMouseUp(QMouseEvent* event);
    // A key press that no shortcut claimed; true marks it handled.
    bool ApplicationEventsShortCut(QWidget* receiver, QKeyEvent* event);

    void closeEvent(QCloseEvent* event) override;
    // A project or a skin dropped from a file manager (MainFormDrop.cpp).
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void BuildCanvasArea();
    void BuildStatusBar();
    void CreateCommands();
    void BuildMainMenu();
    void BuildPopupMenu();
    void BuildRecentMenu(QMenu* file);
    void BuildCodeStyleMenu(QMenu* tools);
    void BuildZoomMenu(QMenu* edit);
    bool ZoomByWheel(const QWheelEvent* event);
    // Sizes the rulers, the canvas and the panels around them to the canvas at the zoom.
    void LayOutCanvas();
    void LoadRecentFiles();
    void RebuildRecentMenu();
    // Puts path first in the recent-projects list and stores the list.
    void RememberProject(const QString& path);
    void BuildToolBar();
    void WirePaintBoxes();
    void PlaceOnScreen();
    QMenu* BuildZOrderMenu(QWidget* parent);
    QMenu* BuildArrangeMenu(QWidget* parent);
    void ReorderSelected(QStringView name, const std::function<int(int)>& partner);
    void DeleteSelected(QStringView name);
    // Pushes a step that changes the document; none for a null step.
    void PushStep(std::unique_ptr<volmar::EditStep> step);
    // The one answer to the document's notices: the frames, the selector and
    // the rulers follow, and the canvas repaints where it shows the change.
    void DocumentChanged(const volmar::DocumentChanges& changes);
    // Puts every frame back onto the edges of its window.
    void PlaceFrames();
    // The contents areas and a built-in skin follow the project's runtime.
    void FollowTarget();
    void ReplaceDocument(volmar::DesignDocument::Items items, volmar::ProjectName project,
                         QStringView name);
    // A frame drag: the edges of the selected windows at the press, and the
    // step made of their changes at the release.
    std::vector<volmar::BoundsChange> SelectedFrameBounds() const;
    std::vector<volmar::BoundsChange> BeginNudge();
    void FinishNudge(std::vector<volmar::BoundsChange> changes);
    TQxGrabSize* CreateFrame(TWindowItem* item);
    TQxGrabSize* MakeFrame();
    void WireFrameEvents(TQxGrabSize* frame);
    // Copies the snap flag, grid spacings and handle colours into a frame.
    void ApplyViewToFrame(TQxGrabSize* frame) const;
    void ApplyViewToFrames() const;
    void RemoveAllFrames();
    static volmar::RulerSelection FrameRulerSelection(const TQxGrabSize* frame);
    volmar::RulerPaint RulerPaintFor(const QWidget* ruler, const QRect& clip,
                                     bool horizontal) const;

    // Canvas interaction: pointer handlers, rubber band, hint window, key hook.
    void WireCanvasInteraction();
    void WireUndoHistory();
    void SelectOnPress(TWindowItem* hit, bool addToSelection);
    void FinishCanvasDrag(const volmar::CanvasRect& band);
    void ApplyKeyNudge(const QKeyEvent* event);
    void RepaintAfterNudge();
    void SwitchSelectionTo(TWindowItem* hit, TWindowItem* cur);
    // The lines of the guides that hold in the drag under way.
    void ShowGuideLines(const volmar::GuideLines& lines);

    volmar::Dialogs& dialogs_;
    QImage skin_;
    QString skinPath_; // the skin file in force; empty for the built-in skin
    volmar::DesignDocument document_;
    volmar::ProjectAccess project_;
    QUndoStack undoStack_; // after document_: its steps refer to the definitions
    // Keyboard nudges merge while this stays the same; other input bumps it.
    quint64 nudgeChain_ = 0;
    volmar::InputWatch* inputWatch_ = nullptr;
    volmar::EditorDisplayState view_;
    volmar::BackgroundPicture background_;
    QString currentFileName_;
    QStringList recentFiles_;
    volmar::CodeStyleMenu* codeStyleMenu_ = nullptr; // "コードの形式" in the tool menu
    volmar::ZoomMenu* zoomMenu_ = nullptr;           // "ズーム" in the edit menu
    QImage zoomedCanvas_;                            // the canvas at 1:1 while it is shown zoomed
    QList<QAction*> recentEntries_; // in the submenu only while they name a project
    std::vector<TQxGrabSize*> frames_;
    std::function<QPoint()> pointerSource_;
    // The drags on the canvas: a band on empty canvas, and of the frames.
    std::unique_ptr<volmar::BandTool> bandTool_;
    std::unique_ptr<volmar::FrameDragTool> frameTool_;
    volmar::RubberBand* rubberBand_ = nullptr;
    volmar::FrameOverlay* frameOverlay_ = nullptr;
    // Goes before the canvas panel that owns the frames it keeps.
    std::unique_ptr<volmar::FramePool> framePool_;
    volmar::ApplicationEvents* applicationEvents_ = nullptr;
    volmar::GuideLines guideLines_; // shown over the canvas
    // While set, a change of the selection leaves the selector as it shows.
    bool selectorHeld_ = false;
    // The window the user selected last by a press or the selector; only
    // compared, never followed, until the document confirms it still holds it.
    const TWindowItem* arrangeReference_ = nullptr;
};
