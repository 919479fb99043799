#pragma once
// Times of repeated runs of one step, printed as median, best and worst.

#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <vector>

struct Figures {
    std::vector<double> ms;
    void add(qint64 ns) { ms.push_back(ns / 1e6); }
    double median()
    {
        std::sort(ms.begin(), ms.end());
        return ms[ms.size() / 2];
    }
    void print(const char* what)
    {
        const double middle = median();
        std::printf("%-62s median %8.3f ms   min %8.3f   max %8.3f   (%zu runs)\n", what, middle, ms.front(),
                    ms.back(), ms.size());
    }
};
