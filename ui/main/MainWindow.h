#pragma once

#include "core/Refresh.h"
#include "ui/main/ViewParts.h"
#include "ui/main/ViewWindow.h"

#include <array>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kemurina {

// Form1: every figure under its caption, the lungs, the milestone pictures and the buttons,
// as the session's last refresh left them.
class MainWindow final : public ViewWindow {
    Q_OBJECT
  public:
    // Placed at the stored corner, in the stored colours, showing the last refresh.
    explicit MainWindow(AppContext& context);

    QLabel* valueLabel(std::size_t index) const { return m_values.at(index); }

  private:
    void buildControls();
    void applyLabelColours();
    void render();
    void showElapsed();
    void showMilestonePicture(std::size_t picture, bool visible);
    // The names a screen reader says, from the state as the last refresh or toggle left it.
    void speakValues();

    std::array<ControlLabel*, kCaptionCount> m_values{};
    std::array<FilledShape*, 3> m_lungs{}; // Shape2(0), Shape2(1), Shape1
    std::array<ControlLabel*, kMilestonePictureCount> m_pictures{};
    std::array<bool, kMilestonePictureCount> m_pictureLoaded{};
    QProgressBar* m_progress = nullptr;
};

} // namespace kemurina
