#pragma once

#include "core/Refresh.h"
#include "ui/main/ViewWindow.h"

#include "ui/main/ViewParts.h"

#include <array>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace kemurina {

// Form1: every figure under its caption, the lungs, the milestone pictures, the buttons,
// and the timer that keeps both views up to date.
class MainWindow final : public ViewWindow {
    Q_OBJECT
  public:
    explicit MainWindow(AppController& app);

    // Reads both data files, refreshes, places the window and colours the value labels.
    void load();

    void render(const DisplayValues& values);

    QLabel* valueLabel(std::size_t index) const { return m_values.at(index); }
    QTimer* timer1() const { return m_timer1; }

  public slots:
    void timer1Tick();
    void elapsedLabelClicked();
    void command3Click(); // コピ１
    void command4Click(); // コピ２
    void command2Click(); // ＢＢＳ
    void command1Click(); // 設定

  protected:
    QString popupCaption() const override;
    void fillPopupMenu(QMenu& menu) override;
    void unload() override;

  private:
    void buildControls();
    void applyLabelColours();
    void showMilestonePicture(std::size_t picture, bool visible);
    // The names a screen reader says, from the state as the last refresh or toggle left it.
    void speakValues();

    std::array<ControlLabel*, kCaptionCount> m_values{};
    std::array<FilledShape*, 3> m_lungs{}; // Shape2(0), Shape2(1), Shape1
    std::array<ControlLabel*, kMilestonePictureCount> m_pictures{};
    std::array<bool, kMilestonePictureCount> m_pictureLoaded{};
    QProgressBar* m_progress = nullptr;
    QTimer* m_timer1 = nullptr;
};

} // namespace kemurina
