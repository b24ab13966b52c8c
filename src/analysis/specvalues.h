#pragma once

namespace tarvelo {

// The numbers of one WheelTyreSpec, as the analysis works with them.
struct SpecValues {
    float rimDiameterInch = 0;
    float rimWidthInch = 0;
    float tyreWidthMm = 0;
    float aspectRatioPct = 0;
    float offsetMm = 0;  // negative for the direction "－"
};

}  // namespace tarvelo
