#pragma once

#include "Hub.h"

// The hub of "The Beginning: the Earth".
class beginningForm : public Hub {
    Q_OBJECT
public:
    beginningForm();
};

TERRALORE_DECLARE_FORM(beginningForm, beginning)
