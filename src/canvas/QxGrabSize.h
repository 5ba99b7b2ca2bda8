#pragma once

#include "canvas/FrameBounds.h"
#include "canvas/FrameOverlay.h"
#include "canvas/FramePicture.h"
#include "canvas/GrabHandleLayout.h"
#include "document/CanvasRect.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QContextMenuEvent;
class QMenu;
class QMouseEvent;
class TQxGrabSize;
class TWindowItem;

// How a frame draws itself and whether its handles are live.
enum TQxGSGrabMode {
    QxGGNormal = 0,     // a single selection: outline and eight live handles
    QxGGMultiSelect = 1 // one of several selected: outline and four corner marks, no live handles
};

// The frames that move along with a dragged frame in one step of a group move.
using TQxGrabSizeControlList = std::vector<TQxGrabSize*>;

// The grab-handle frame placed over a selected window on the design canvas.
//
// The frame keeps its own logical left/top/width/height, which may become zero
// or negative while a handle is dragged past the opposite edge; its widget
// geometry is the visible, turned-round form of them. Change the bounds only
// through SetLeft/SetTop/SetWidth/SetHeight/SetBounds: every change raises
// OnResize. The widget's own setGeometry/move/resize are hidden for that reason.
//
// Events are plain callbacks; an empty one is skipped. A handler may destroy
// the frame only with deleteLater(), except that OnMouseDown, OnCheckUnderItem
// and OnDblClick may also delete it outright. Handlers must not throw.
class TQxGrabSize : public QWidget {
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TQxGrabSize* Sender)>;
    using TMouseEvent = std::function<void(TQxGrabSize* Sender, QMouseEvent* Event)>;
    using TQxMultiResizer = std::function<void(TQxGrabSize* Sender, TQxGrabSizeControlList& List)>;
    using TQxCheckUnderItem = std::function<void(TQxGrabSize* Sender, bool& HitUnderItem)>;
    using TQxMouseGrabMoveChangeEvent = std::function<void(TQxGrabSize* Sender, QPoint Point)>;
    using TQxMouseGrabSizeChangeEvent =
        std::function<void(TQxGrabSize* Sender, volmar::CanvasRect SizeRect)>;
    // Asked on every move step with the corner the pointer gives (Raw) and
    // the one after grid snapping (Corner, Raw without it); the frame goes to
    // Corner as the receiver leaves it.
    using TQxMoveSnapEvent = std::function<void(TQxGrabSize* Sender, QPoint Raw, QPoint& Corner)>;
    // Asked on every step of a handle drag with the pointer in the parent's
    // coordinates, before the drag step uses it; the receiver may move it.
    using TQxSizeSnapEvent =
        std::function<void(TQxGrabSize* Sender, volmar::GrabDragStep Step, QPoint& Point)>;

    explicit TQxGrabSize(QWidget* parent = nullptr);
    ~TQxGrabSize() override;

    // Scratch position the owner records when it lists the frame for a group move.
    qint32 MultiResizerTempTop() const { return setup_.multiResizerTempTop; }
    void SetMultiResizerTempTop(qint32 value) { setup_.multiResizerTempTop = value; }
    qint32 MultiResizerTempLeft() const { return setup_.multiResizerTempLeft; }
    void SetMultiResizerTempLeft(qint32 value) { setup_.multiResizerTempLeft = value; }

    TQxGSGrabMode DrawMode() const { return setup_.drawMode; }
    void SetDrawMode(TQxGSGrabMode mode);

    // Grid steps for snapping the top-left corner while moving. A step of 0
    // leaves that coordinate unsnapped.
    qint32 SnapGridX() const { return setup_.snapGridX; }
    void SetSnapGridX(qint32 value) { setup_.snapGridX = value; }
    qint32 SnapGridY() const { return setup_.snapGridY; }
    void SetSnapGridY(qint32 value) { setup_.snapGridY = value; }
    bool SnapGrid() const { return setup_.snapGrid; }
    void SetSnapGrid(bool value) { setup_.snapGrid = value; }

    // Colours are 0x00BBGGRR.
    quint32 Color() const { return setup_.color; }
    void SetColor(quint32 bgr);
    quint32 MultiSelectColor() const { return setup_.multiSelectColor; }
    void SetMultiSelectColor(quint32 bgr);

    // Shown on a context-menu request (right button); the frame does not own it.
    QMenu* PopupMenu() const { return setup_.popupMenu; }
    void SetPopupMenu(QMenu* menu) { setup_.popupMenu = menu; }

    // The window definition the frame stands for; the frame never reads it.
    TWindowItem* Tag() const { return setup_.tag; }
    void SetTag(TWindowItem* item) { setup_.tag = item; }

    // The parent shows each canvas pixel as Zoom by Zoom screen pixels; the
    // logical bounds stay in canvas pixels, the handles keep their screen size.
    int Zoom() const { return zoom_; }
    void SetZoom(int factor);

    // Logical bounds in canvas pixels. Each setter is one change of
    // bounds: when the value differs it updates the widget, raises OnResize and
    // lays the handles out again. SetBounds is one change of all four.
    qint32 Left() const { return bounds_.Left; }
    qint32 Top() const { return bounds_.Top; }
    qint32 Width() const { return bounds_.Width; }
    qint32 Height() const { return bounds_.Height; }
    const volmar::FrameBounds& Bounds() const { return bounds_; }
    void SetLeft(qint32 value);
    void SetTop(qint32 value);
    void SetWidth(qint32 value);
    void SetHeight(qint32 value);
    void SetBounds(qint32 left, qint32 top, qint32 width, qint32 height);

    // Back to the state of a new frame, for another window: no tag, normal
    // mode, default grid and colours, no drag under way, the default cursor.
    // Keeps the parent, the overlay, the event handlers and the visibility.
    void Recycle();

    // Hands the frame's painting to an overlay on its parent; set before the
    // frame is first shown. Such a frame stays a widget for the pointer but
    // paints nothing itself, and its moves mark only the overlay dirty.
    void SetOverlay(volmar::FrameOverlay* overlay);
    volmar::FrameOverlay* Overlay() const { return overlay_; }
    // The outline and handles as the frame paints them.
    volmar::FramePicture Picture() const;

    // The pointer was over a live handle at the last hover test.
    bool OverHandle() const { return drag_.overHandle; }
    bool IsMoving() const { return drag_.moving; }
    bool IsResizing() const { return drag_.resizing; }
    const volmar::GrabHandles& Handles() const { return handles_; }

    // Hidden: they would bypass the logical bounds. Use SetBounds and friends.
    void setGeometry(int, int, int, int) = delete;
    void setGeometry(const QRect&) = delete;
    void move(int, int) = delete;
    void move(const QPoint&) = delete;
    void resize(int, int) = delete;
    void resize(const QSize&) = delete;

    TQxMultiResizer OnMultiResize;
    TQxCheckUnderItem OnCheckUnderItem;
    TQxMouseGrabMoveChangeEvent OnMouseGrabMoveChangeEvent;
    TQxMouseGrabSizeChangeEvent OnMouseGrabSizeChangeEvent;
    TQxMoveSnapEvent OnMoveSnap;
    TQxSizeSnapEvent OnSizeSnap;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseEvent OnMouseMove;
    TNotifyEvent OnDblClick;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ChangeBounds(const volmar::FrameBounds& next);
    void Repaint(const QRect& area);
    void LayOutHandles();

    void Press(QMouseEvent* event);
    bool IsVetoedByOwner();
    void FocusParent();
    void BeginResize();
    void EndResize();
    void BeginMove(QPoint framePoint);
    void StepMove(QPoint framePoint);
    void MoveListedFrames(qint64 dx, qint64 dy);
    void StepResize(QMouseEvent* event);
    void HoverTest(QPointF globalPointer);
    void Disarm();

    void RunDragStep(volmar::GrabDragStep step, qint32 x, qint32 y);
    void KeepBottomEdge();
    void KeepRightEdge();
    void BottomEdgeTo(qint32 y);
    void RightEdgeTo(qint32 x);

    // A point of the widget in canvas pixels from the logical top-left, and
    // in screen pixels from the zoomed logical top-left (where the handles are).
    QPoint CanvasFramePoint(QPointF local) const;
    QPoint ScreenFramePoint(QPointF local) const;
    // The pointer in canvas pixels of the parent.
    QPoint ParentPoint(QPointF globalPointer) const;
    void PlaceWidget();

    // What the owner sets for the window the frame stands for.
    struct Setup {
        qint32 multiResizerTempTop = 0;
        qint32 multiResizerTempLeft = 0;
        TQxGSGrabMode drawMode = QxGGNormal;
        qint32 snapGridX = 10;
        qint32 snapGridY = 10;
        bool snapGrid = true;
        quint32 color = 0x0000FF;
        quint32 multiSelectColor = 0xFFFFFF;
        QMenu* popupMenu = nullptr;
        TWindowItem* tag = nullptr;
    };
    Setup setup_;

    volmar::FrameBounds bounds_;
    int zoom_ = 1;
    volmar::FrameBounds screen_; // bounds_ at the zoom
    volmar::GrabHandles handles_;
    QPointer<volmar::FrameOverlay> overlay_;

    // A press, drag or hover under way.
    struct DragState {
        bool doubleClickGuard = false;
        bool moving = false;
        QPoint moveAnchor;
        bool resizing = false;
        volmar::FrameBounds resizeOrigin;
        // Armed by the hover test while the pointer is over a live handle.
        bool pressArmed = false;
        bool releaseArmed = false;
        std::optional<volmar::GrabDragStep> armedStep;
        bool overHandle = false;
    };
    DragState drag_;
};
