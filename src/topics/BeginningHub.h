#pragma once

#include "Hub.h"

// The hub of "The Beginning: the Earth".
class BeginningHub : public Hub {
    Q_OBJECT
public:
    BeginningHub();
};

TERRALORE_DECLARE_FORM(BeginningHub, beginningHub)
