#pragma once
// The background pictures of the backgrounds folder side by side, each under its name, in a window
// beside the board (Ctrl+F9). A picture that cannot be read shows its name only.

#include "platform/forms/Form.h"

#include <string>
#include <vector>

namespace zarle {

class frmBackground final : public Form {
  public:
    frmBackground(const std::string& appPath, const std::vector<std::string>& pictures, QWidget* parent);
};

} // namespace zarle
