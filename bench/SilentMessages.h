#pragma once
// Answers every message box with Ok at once, so a timed run never waits; counts them.
#include "platform/MessageBox.h"

class SilentMessages : public Msg::Service {
public:
    int shown = 0;
    Msg::Answer show(const Msg::Box&) override {
        ++shown;
        return Msg::Answer::Ok;
    }
};
