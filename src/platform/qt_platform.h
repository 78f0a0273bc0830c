#pragma once

#include "platform/platform.h"

namespace solario {

// The desktop implementation of Platform over Qt Widgets.
class QtPlatform : public Platform {
public:
    int MessageBox(const QString& text, const QString& title, int flags) override;
};

} // namespace solario
