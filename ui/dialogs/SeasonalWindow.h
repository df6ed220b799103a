#pragma once

#include "ui/AppContext.h"

#include <QWidget>
#include <array>

class QLabel;

namespace kemurina {

// What the greeting shows for one holiday; texts in UTF-8, tops in twips.
struct SeasonalLayout {
    int month;
    int firstDay;
    int lastDay;
    const char* title;
    const char* heading;
    const char* greeting;
    const char* wishFirst;
    const char* wishSecond;
    int greetingTop;
    int wishSecondTop;
    std::array<bool, 3> pictures;
};

// The holiday a day falls on (24, 25 December, 1 to 3 January), or null.
const SeasonalLayout* seasonalLayoutFor(int month, int day);

// Form6: a start confirmed on a holiday passes through this greeting, which completes it.
class SeasonalWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit SeasonalWindow(AppContext& context, QWidget* parent = nullptr);

    void start();

  private:
    AppContext& m_context;
};

} // namespace kemurina
