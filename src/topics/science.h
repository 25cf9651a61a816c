#pragma once

#include "Hub.h"

// The hub of "The Science of Rocks".
class scienceForm : public Hub {
    Q_OBJECT
public:
    scienceForm();
};

TERRALORE_DECLARE_FORM(scienceForm, science)
