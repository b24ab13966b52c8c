#pragma once

#include "analysis/resultsheet.h"
#include "results/sheetwindow.h"

namespace tarvelo {

// Result mode: shows the sheet of one analysis.
class Form4 final : public SheetWindow {
  public:
    Form4();

    // Puts the sheet of an analysis into the fields.
    void ShowResults(const ResultSheet& sheet);
    // The fields as they stand, typed changes included.
    ResultSheet Contents() const;

  private:
    // "解析結果の保存(&S)...": the fields' texts as they stand, typed ones included, into
    // the file the user names, exactly as named; a failure is reported.
    void mnuFileSave_Click();
};

}  // namespace tarvelo
