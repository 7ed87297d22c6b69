#pragma once

#include <functional>

// The system's default beep, replaceable by tests.
class Beep
{
public:
    static void Sound();
    static void SetHandler(std::function<void()> handler);
};
