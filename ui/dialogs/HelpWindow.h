#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace kemurina {

// The help document as the text box holds it: lines separated by CR LF.
QString helpDocument();

// Form5: the help document in a read-only text box that fills the window.
class HelpWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void fitText();

    QPlainTextEdit* m_text = nullptr;
};

} // namespace kemurina
