#pragma once

#include <functional>

// The system's default beep, replaceable by tests.
class Beep
{
public:
    static void sound();
    static void setHandler(std::function<void()> handler);
};
