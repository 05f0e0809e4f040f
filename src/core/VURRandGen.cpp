#include "VURRandGen.h"

#include <QDateTime>

TVURRandGenDefault::TVURRandGenDefault()
{
    SetSeed(0);
}

void TVURRandGenDefault::SetSeed(quint32 seed)
{
    m_seed = seed;
    m_engine.seed(seed);
}

int TVURRandGenDefault::Random(int bound)
{
    if (bound <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, bound - 1)(m_engine);
}

double TVURRandGenDefault::RandomReal()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}

void TVURRandGenDefault::Randomize()
{
    SetSeed(quint32(QDateTime::currentMSecsSinceEpoch()));
}

TVURRandGen &RandGen()
{
    static TVURRandGenDefault instance;
    return instance;
}
