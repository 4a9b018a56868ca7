// A window of the game: a fixed client size in the game's own pixels, a
// background colour and an optional background picture drawn at its top-left
// corner.  The window shows all of it at the view's scale: the picture
// enlarged pixel by pixel, its controls at their places and with their fonts
// enlarged as many times, the pointer mapped back to the game's pixels.  The
// game window and the menu fill the screen in full screen, their content
// centred on black.  In full screen every other window is a layer of the
// one that fills it: drawn inside it at its scale, centred over the scene
// dimmed, without a frame of the window manager, and the keys, the pad and
// the pointer go to the layer on top.  With nothing filling the screen
// such a window fills it alone, under the screen's caption.  In a window a
// dialog opens centred over the window that fills the screen in full
// screen (the one it belongs to) and is transient for it; a window with no
// such owner opens centred the first time and keeps its place afterwards.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

#include "game/platform/view_scale.h"

namespace platform {

class LayerCover;

class BackgroundWindow : public QWidget {
    Q_OBJECT
  public:
    BackgroundWindow(int width, int height, const QColor& colour, QWidget* parent = nullptr);
    ~BackgroundWindow() override;

    // How the window is shown now.
    enum class Showing { Framed, FullScreen, Layer };
    Showing ShownAs() const { return showing_; }
    bool IsLayer() const { return showing_ == Showing::Layer; }
    // The window it is a layer of, or nullptr.
    BackgroundWindow* Host() const;
    // Moving between the screen and a host hides the window for a moment:
    // nobody waiting for it to close must take that for its end.
    bool Moving() const { return moving_ > 0; }
    // The caption of a window that fills the screen alone (none of the
    // windows that fill it is shown): the menu's.
    static void SetScreenCaption(const QString& caption);
    // The shown window that fills the screen in full screen, if any: the
    // one the other windows belong to.
    static BackgroundWindow* VisibleScreenFiller();

    void SetBackground(const QImage& picture);
    const QImage& Background() const { return background_; }

    // Puts the window in the middle of the screen it is on.
    void CentreOnScreen();

    // The game window and the menu fill the screen in full screen.
    void SetFillsScreen(bool fills) { fillsScreen_ = fills; }
    bool FillsScreen() const { return fillsScreen_; }

    // The client size in the game's pixels.
    QSize LogicalSize() const { return logicalSize_; }
    // Device pixels per game pixel, and where the content lies.
    int Scale() const { return placement_.scale; }
    const ViewPlacement& Placement() const { return placement_; }
    // A control's place in the game's pixels, as the window laid it out.
    QRect LogicalGeometry(const QWidget* child) const;
    // The game pixel under a point of the window (toolkit units).
    QPoint LogicalPoint(QPointF position) const;
    // The colour and the picture at the view's scale, in device pixels.
    const QImage& ScaledBackground() const { return scaledBackground_; }

    // A window that is read (the help, the settings, a notice, a dialog) is
    // shown kLargeTextZoom times larger while the view asks for large text,
    // as far as the screen has room: its layout grows with its letters, the
    // pointer still meets what it points at.
    void SetReadsLarger(bool reads) { readsLarger_ = reads; }
    // A control of a window that is not enlarged whose letters still grow
    // with large text (the game window's log): it wraps its text anew.
    void SetTextGrows(QWidget* control);

    // The pointer in the game's pixels; the windows that answer it override
    // these.
    virtual void Form_MouseMove(float x, float y);
    virtual void Form_MouseDown(float x, float y);

    void setVisible(bool visible) override;

  protected:
    // Paints what the window shows in its client area; the default shows
    // the background.  The painter is the window's own.
    virtual void PaintContent(QPainter& painter);
    // The view's scale changed: caches built at the old one are rebuilt.
    virtual void Rescaled() {}
    // Draws an image of device pixels with its top-left corner at the
    // game's pixel (x, y), pixel for pixel.
    void DrawDevicePixels(QPainter& painter, int x, int y, const QImage& image) const;
    // Repaints the part of the content given in device pixels from its
    // top-left corner.
    void UpdateDevicePixels(const QRect& device);

    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    // Tab stays inside a layer.
    bool focusNextPrevChild(bool next) override;
    void hideEvent(QHideEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    struct Control {
        QPointer<QWidget> widget;
        QRect logical;
        int fontPixels = 0;  // 0: the font is not the window's to scale
        bool textGrows = false;
    };

    void FollowView();
    void PlaceForShowing();
    // A window that does not fill the screen takes its way of being shown:
    // a layer of the filling window, alone in full screen, or framed over
    // the window it belongs to.  A shown window stays shown and keeps the
    // keyboard.
    void Arrange();
    // The windows shown over this filling window follow it.
    void ArrangeDependants();
    void BecomeLayerOf(BackgroundWindow& host);
    void BecomeAlone();
    void BecomeFramed(BackgroundWindow* owner);
    void LeaveHost();
    void LeaveAlone();
    // A host: its layers centred, the cover under the top one.
    void PlaceLayers();
    void RestackLayers();
    BackgroundWindow* TopLayer() const;
    // A layer that hides gives the keyboard to what lies under it.
    void PassFocusOn();
    bool FullNow() const { return showing_ == Showing::FullScreen; }
    void EnterFullScreen();
    void LeaveFullScreen();
    // A framed window's place: centred the first time (true), else kept.
    bool CentreIfNeverPlaced();
    // Where the framed window was, or centred the first time.
    void TakeWindowedPlace();
    void RestoreWindowedPlace();
    // Sizes the window and places its controls for the view's scale.
    void LayOut();
    void AdoptControls();
    void RebuildBackground();
    void NoteFrame();
    QSize WindowedSize() const;
    // The view's scale, enlarged when this window reads larger.
    ScaleChoice ChoiceNow() const;

    QSize logicalSize_;
    QColor colour_;
    QImage background_;
    QImage scaledBackground_;
    ViewPlacement placement_;
    std::vector<Control> controls_;
    bool fillsScreen_ = false;
    bool readsLarger_ = false;
    Showing showing_ = Showing::Framed;
    int moving_ = 0;
    // A filling window on its way out: no longer an owner.
    bool hiding_ = false;
    // Has had a place as a framed window; that place (of the client area).
    bool placed_ = false;
    QPoint windowedPos_;
    // Framed over the window it belongs to: a place of its own does not count.
    bool overOwner_ = false;
    QPointer<BackgroundWindow> owner_;
    bool laidOut_ = false;
    // Its own caption while it fills the screen alone.
    QString ownCaption_;
    // The modality a layer had as a window, for when it is one again.
    Qt::WindowModality modality_ = Qt::NonModal;
    // A host's: the dimming under its top layer, and what had the keyboard
    // in it before its layers.
    QPointer<LayerCover> cover_;
    QPointer<QWidget> baseFocus_;
    friend void NoteBaseFocus(QWidget* now);
};

// Shows a window modally and waits until it is hidden again or the program
// is shutting down (stop() returns true).
void ShowModal(QWidget& window, bool (*stop)());

// An image of device pixels that the toolkit draws pixel for pixel on a
// screen of the given pixel ratio.  It shares the pixels of `pixels`, which
// must outlive it.
QImage DeviceImage(const QImage& pixels, double pixelRatio);

}  // namespace platform
