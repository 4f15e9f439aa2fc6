#pragma once
// The file dialogs of the opponents' windows on the screen.

#include "opponents/dialogs/OpponentDialogPorts.h"

namespace zarle {

class QtFileDialogs final : public FileDialogPort {
  public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<std::string> ShowOpen(const FileDialogRequest& request) override;
    std::optional<std::string> ShowSave(const FileDialogRequest& request,
                                        const std::string& fileName) override;

  private:
    QWidget* parent_;
};

} // namespace zarle
