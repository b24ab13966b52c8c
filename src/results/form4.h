#pragma once

#include <QMainWindow>

#include "analysis/resultsheet.h"

namespace tarvelo {

class ResultPanel;

// Result mode: shows the sheet of one analysis.
class Form4 final : public QMainWindow {
  public:
    Form4();

    // Puts the sheet of an analysis into the fields.
    void ShowResults(const ResultSheet& sheet);
    // The fields as they stand, typed changes included.
    ResultSheet Contents() const;

  private:
    void BuildMenus();

    void mnuFileClose_Click();
    void mnuFileExit_Click();

    ResultPanel* panel_ = nullptr;
};

}  // namespace tarvelo
