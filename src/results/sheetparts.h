#pragma once

class QWidget;

namespace tarvelo {

// Parts that the result sheet and the viewer share below and beside their result panel.

// The legend of the four judgement colours: swatches `Notice_Blue_TXT`,
// `Notice_Yellow_TXT`, `Text4`, `Notice_Red_TXT`, each followed by its text.
QWidget* BuildVerdictLegend(QWidget* parent);

// The notes panel `Frame2`, which lies beyond the window's right edge and is never seen.
QWidget* BuildNotesPanel(QWidget* parent);

}  // namespace tarvelo
