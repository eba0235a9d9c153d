#pragma once

#include <QByteArray>
#include <QVector>

#include <numeric>
#include <random>

// The soak's one source of chance, drawn from in order, so a seed replays the same stream of
// events. Only integer arithmetic on the engine's output is used, the same with any library.
class SoakRandom
{
public:
    explicit SoakRandom(quint64 seed)
        : m_engine(seed)
    { }
    // A number from 0 to n - 1; 0 when n is below 1.
    int below(int n) { return n < 1 ? 0 : int(m_engine() % quint64(n)); }
    bool percent(int percent) { return below(100) < percent; }
    // An index into 'weights', each drawn in proportion to its weight.
    int weighted(const QVector<int> &weights)
    {
        int draw = below(std::accumulate(weights.cbegin(), weights.cend(), 0));
        int idx = 0;
        while (idx < weights.size() - 1 && draw >= weights.at(idx))
            draw -= weights.at(idx++);
        return idx;
    }
    QByteArray bytes(int count)
    {
        QByteArray data(count, Qt::Uninitialized);
        for (char &byte : data)
            byte = char(m_engine() & 0xff);
        return data;
    }
    template<typename T> const T &pick(const QVector<T> &items)
    {
        return items.at(below(items.size()));
    }

private:
    std::mt19937_64 m_engine;
};
