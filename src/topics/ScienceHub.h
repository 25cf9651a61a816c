#pragma once

#include "Hub.h"

// The hub of "The Science of Rocks".
class ScienceHub : public Hub {
    Q_OBJECT
public:
    ScienceHub();
};

TERRALORE_DECLARE_FORM(ScienceHub, scienceHub)
