// SPDX-License-Identifier: GPL-3.0-or-later
// The distance and angle searches written out step by step, candidate after
// candidate, exactly as the method describes them. They are slow (up to
// 180,000 sines or cosines per search) and serve as the reference that the
// library's fast searches must equal bit for bit.
#pragma once

#include <vector>

namespace oracle {

// The candidates, made the plain way: 180, then 0.001 subtracted again and
// again, with every rounding on the way; the last is the first below zero.
const std::vector<double>& candidateAngles();

// Kilometres for a result angle in degrees, as the distance search gives them.
double kilometresOf(double degrees);

// sin(B / 2) estimate of two points; the same arithmetic as the library.
double halfAngleSine(double lat1, double lon1, double lat2, double lon2);

// The full scan from 180 downward; no-match gives 179.999 steps.
double distanceForHalfAngleSine(double u);
double distance(double lat1, double lon1, double lat2, double lon2);

// The full scan from 180 downward; no-pass gives the result for -1 or 1.
double angleFromCosine(double x);
double angle(double lat1, double lon1, double lat2, double lon2, double latR, double lonR);

// The same scans with each candidate's sine and cosine computed once, by the
// same expressions, so that hundreds of thousands of inputs can be checked in
// seconds. A query walks the candidates in order, but passes over a block of
// them at once when the block's smallest and largest value both lie a
// tolerance or more on the same side of the target: then, rounding being
// monotone, no value in the block can pass. This assumes nothing about the
// order of the values themselves.
class TabulatedScans {
public:
    TabulatedScans();
    double distanceForHalfAngleSine(double u) const;
    double distance(double lat1, double lon1, double lat2, double lon2) const;
    double angleFromCosine(double x) const;
    double angle(double lat1, double lon1, double lat2, double lon2, double latR,
                 double lonR) const;

    const std::vector<double>& candidates() const { return candidateAngles(); }
    const std::vector<double>& halfAngleSines() const { return sines_; }
    const std::vector<double>& cosines() const { return cosines_; }

    struct Block {
        double lowest;
        double highest;
    };

private:
    template <class Difference>
    std::size_t firstPassing(const std::vector<double>& values, const std::vector<Block>& blocks,
                             double tolerance, Difference difference) const;

    std::vector<double> sines_;       // per tested candidate
    std::vector<double> cosines_;     // per tested candidate
    std::vector<Block> sineBlocks_;
    std::vector<Block> cosineBlocks_;
};

}  // namespace oracle
