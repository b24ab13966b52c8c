#pragma once

#include <QGroupBox>
#include <QString>
#include <array>

#include "analysis/resultsheet.h"

class QLabel;
class QLineEdit;

namespace tarvelo {

// The result panel `Frame1` of the result sheet and of the viewer: every field of a
// ResultSheet in a control named by the window's prefix ("F4_" or "F7_") and the field's
// name, with the fixed captions, units and arrows around them.
class ResultPanel final : public QGroupBox {
  public:
    ResultPanel(const QString& prefix, QWidget* parent);

    // The verdict field is made with the panel's fields but stands below the panel; the
    // window puts it into its own row.
    QLineEdit* VerdictField() const;

    // Puts the sheet's texts and colours into the fields.
    void Fill(const ResultSheet& sheet);
    // The fields' texts and colours as they stand, typed changes included.
    ResultSheet Contents() const;

    QWidget* FieldWidget(Field field) const { return fields_[static_cast<size_t>(field)]; }

  private:
    void BuildCombinationRow(int row, const char* captionName, const char* caption,
                             const char* afterLabel, Field before, Field after);
    void BuildValueRow(int row, const char* caption, const QString& captionName, Field before,
                       Field after, Field judgement, Field comment);
    void BuildCornerRows(int row, Corner corner);
    QWidget* Make(Field field);
    QLabel* MakeMm();
    QLabel* MakeArrow();

    QString prefix_;
    std::array<QWidget*, kFieldCount> fields_{};
    int mmCount_ = 0;
    int arrowCount_ = 0;
};

}  // namespace tarvelo
