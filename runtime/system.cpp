#include "system.h"

#include <QApplication>
#include <QRandomGenerator>

#include <chrono>
#include <cmath>
#include <random>

namespace System {

namespace {
std::function<void()> &beepHook()
{
    static std::function<void()> hook;
    return hook;
}

std::function<float()> &randomSource()
{
    static std::function<float()> source;
    return source;
}

float clockSeededValue()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::mt19937 generator(static_cast<std::mt19937::result_type>(now ^ (now >> 32)));
    // 24 random bits make every float in the range equally likely and can never
    // round up to 1.0, which a float distribution may.
    return float(generator() >> 8) * (1.0f / 16777216.0f);
}
} // namespace

void beep()
{
    if (beepHook())
        beepHook()();
    else
        QApplication::beep();
}

void setBeepHook(std::function<void()> hook)
{
    beepHook() = std::move(hook);
}

int randomIndex(int n)
{
    const float r = randomSource() ? randomSource()() : clockSeededValue();
    const int index = int(std::floor(r * float(n)));
    // r * n can only reach n through a source that breaks its contract.
    return std::clamp(index, 0, n - 1);
}

quint32 randomSeed()
{
    return QRandomGenerator::global()->generate();
}

void setRandomSource(std::function<float()> source)
{
    randomSource() = std::move(source);
}

} // namespace System
