#pragma once

#include <QtGlobal>

#include <random>

// An abstract random source.
class TVURRandGen
{
public:
    virtual ~TVURRandGen() = default;

    virtual quint32 GetSeed() const = 0;
    virtual void SetSeed(quint32 seed) = 0;
    // A whole number in [0, bound); 0 when bound <= 0.
    virtual int Random(int bound) = 0;
    // A real number in [0, 1).
    virtual double RandomReal() = 0;
    virtual void Randomize() = 0;
};

class TVURRandGenDefault : public TVURRandGen
{
public:
    TVURRandGenDefault();

    quint32 GetSeed() const override { return m_seed; }
    void SetSeed(quint32 seed) override;
    int Random(int bound) override;
    double RandomReal() override;
    void Randomize() override;

private:
    quint32 m_seed = 0;
    std::mt19937 m_engine;
};

// The program's one random source.
TVURRandGen &RandGen();
