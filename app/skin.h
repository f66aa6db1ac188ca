#pragma once
// The flat silver look of the standard controls: one-pixel frames in (198,197,215).

#include <QString>

namespace quorbit::app {

QString SilverSkin();

}  // namespace quorbit::app
