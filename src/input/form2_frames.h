#pragma once

#include <QString>

#include "analysis/runanalysis.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace tarvelo {

// One wheel frame of the input form: the six entries of one WheelTyreSpec.
struct WheelFrameLayout {
    const char* frame;  // "Frame1"
    const char* state;  // "変更前" or "変更後", as the tooltips say it
    const char* axle;   // "前輪" or "後輪"
    SpecControls controls;
    const char* sameAsFront;  // "Check1" on the rear frames, else nullptr
    const char* heading;      // the picture area on the frame's border
    const char* headingText;
};

struct WheelFrame {
    QGroupBox* frame = nullptr;
    QComboBox* rimDiameter = nullptr;
    QComboBox* rimWidth = nullptr;
    QComboBox* offsetDirection = nullptr;
    QLineEdit* offsetAmount = nullptr;
    QComboBox* tyreWidth = nullptr;
    QComboBox* aspectRatio = nullptr;
    QCheckBox* sameAsFront = nullptr;
};

WheelFrame BuildWheelFrame(const WheelFrameLayout& layout, QWidget* parent);

// A frame whose heading is a picture on its top border rather than a caption.
QGroupBox* MakeHeadedFrame(const char* name, const char* heading, const QString& headingText,
                           QWidget* parent);

// A clearance frame: the left and right boxes of one axle side by side.
struct ClearanceFrameLayout {
    const char* frame;
    const char* caption;
    const char* axle;  // "前輪" or "後輪"
    const char* left;
    const char* right;
};
QGroupBox* BuildClearanceFrame(const ClearanceFrameLayout& layout, QWidget* parent);

}  // namespace tarvelo
