// A window of the game: a fixed client size in pixels, a background colour
// and an optional background picture drawn at its top-left corner, opened
// centred on the screen.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace platform {

class BackgroundWindow : public QWidget {
    Q_OBJECT
  public:
    BackgroundWindow(int width, int height, const QColor& colour, QWidget* parent = nullptr);

    void SetBackground(const QImage& picture);
    const QImage& Background() const { return background_; }

    // Puts the window in the middle of the screen it is on.
    void CentreOnScreen();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
    QImage background_;
};

// Shows a window modally and waits until it is hidden again or the program
// is shutting down (stop() returns true).
void ShowModal(QWidget& window, bool (*stop)());

}  // namespace platform
