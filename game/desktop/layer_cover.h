// What a window that fills the screen shows between its own picture and the
// dialog on top of it: the scene behind dimmed, and the pointer kept from
// everything under the dialog.
#pragma once

#include <QWidget>

namespace platform {

class LayerCover : public QWidget {
    Q_OBJECT
  public:
    explicit LayerCover(QWidget& host);

    // Dark enough that the dialog stands out, light enough that the scene
    // behind is still there.
    static constexpr int kDimming = 140;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The pointer's events end here: nothing under a dialog answers them.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace platform
