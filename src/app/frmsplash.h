#pragma once

#include <QWidget>

namespace tarvelo {

// The start-up window: title banner, maker's name and logo, version, on tan.
class frmSplash final : public QWidget {
  public:
    frmSplash();
};

}  // namespace tarvelo
