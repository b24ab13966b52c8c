#pragma once

#include <QObject>
#include <QString>

class QGroupBox;
class QLabel;
class QWidget;

namespace tarvelo {

// The guidance panel Frame5 down the right of the input form: its heading, the guidance
// text and the three figure areas at their design positions, and the maker's logo.
QGroupBox* BuildGuidancePanel(QWidget* parent);

// The guidance a control's focus brings, with its CR LF line breaks; empty for a control
// that has none (the buttons).
QString GuidanceText(const QString& control);

// Fills the panel whenever one of the form's thirty entries and check boxes takes the
// focus, however it came: mouse, Tab, a command, or the window becoming active again.
// Other controls leave the panel as it is.
class FieldGuidance final : public QObject {
  public:
    // Watches the named entries of the form, which must hold the panel.
    explicit FieldGuidance(QWidget* form);

    // Shows the guidance of this control; other controls change nothing.
    void Show(const QWidget* control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* form_;
    QLabel* text_;
    QLabel* wheelSize_;  // Image12
    QLabel* large_;      // Image13: figure A or figure B
    QLabel* tyreSize_;   // Image3
};

}  // namespace tarvelo
