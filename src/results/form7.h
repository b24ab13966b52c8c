#pragma once

#include "analysis/resultsheet.h"
#include "results/sheetwindow.h"

namespace tarvelo {

// Viewer mode: shows a result file and works its judgements and verdict out again.
class Form7 final : public SheetWindow {
  public:
    Form7();

    // What "解析結果データ読込み(&O)..." does once a file is chosen: the file's 36 texts
    // into their fields, then the judgements, comments, colours and verdict worked out
    // from them. A file that cannot be read is reported and changes nothing.
    void OpenResultFile(const QString& path);
    // The fields as they stand.
    ResultSheet Contents() const;

  private:
    void mnuFileOpen_Click();
    // "データクリア": every text but the placeholders emptied, the judgements and the
    // verdict on white; the text colours stay.
    void DataClear();
};

}  // namespace tarvelo
