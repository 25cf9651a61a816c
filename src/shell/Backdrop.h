#pragma once

#include "Form.h"

// The backdrop: borderless, filling the display behind every screen.
class Backdrop : public terralore::Form {
    Q_OBJECT
public:
    Backdrop();

protected:
    void onLoad() override;
};

TERRALORE_DECLARE_FORM(Backdrop, backdrop)
