#pragma once

#include "Form.h"

// The backdrop: borderless, filling the display behind every screen.
class GreyForm : public terralore::Form {
    Q_OBJECT
public:
    GreyForm();

protected:
    void Form_Load() override;
};

TERRALORE_DECLARE_FORM(GreyForm, Grey)
