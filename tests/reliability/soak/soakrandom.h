#pragma once

#include <QByteArray>
#include <QVector>

#include <random>

// The soak's one source of chance. Everything the soak decides is drawn from it in order, so a
// seed replays the same stream of events. Only plain integer arithmetic on the engine's output
// is used, which gives the same numbers with any standard library.
class SoakRandom
{
public:
    explicit SoakRandom(quint64 seed);

    quint64 next();
    // A number from 0 to n - 1; 0 when n is below 1.
    int below(int n);
    // True in 'percent' of the draws (0 to 100).
    bool percent(int percent);
    // An index into 'weights', each drawn in proportion to its weight.
    int weighted(const QVector<int> &weights);
    QByteArray bytes(int count);

    template<typename T> const T &pick(const QVector<T> &items)
    {
        return items.at(below(items.size()));
    }

private:
    std::mt19937_64 m_engine;
};
