// Times our way and SDL's way of doing the same work in alternating rounds, so that a busy machine
// slows both alike: the median time of a run on each side and the median of the rounds' ratios.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

struct Comparison {
    double oursNs = 0; // one run
    double peerNs = 0;
    double ratio = 0; // ours / peer
};

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <typename Run> double NsPerRun(int runs, Run& run)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) {
        run();
    }
    const std::chrono::duration<double, std::nano> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / runs;
}

// Each round runs both sides runsPerRound times, in turn first; rounds should be many and short.
template <typename Ours, typename Peer>
Comparison Interleaved(int rounds, int runsPerRound, Ours ours, Peer peer)
{
    std::vector<double> oursNs;
    std::vector<double> peerNs;
    std::vector<double> ratios;
    for (int round = 0; round < rounds; ++round) {
        double a = 0;
        double b = 0;
        if (round % 2 == 0) {
            a = NsPerRun(runsPerRound, ours);
            b = NsPerRun(runsPerRound, peer);
        } else {
            b = NsPerRun(runsPerRound, peer);
            a = NsPerRun(runsPerRound, ours);
        }
        oursNs.push_back(a);
        peerNs.push_back(b);
        ratios.push_back(a / b);
    }
    return {Median(oursNs), Median(peerNs), Median(ratios)};
}

} // namespace bench
