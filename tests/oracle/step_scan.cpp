// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_scan.h"

#include <algorithm>
#include <cmath>

namespace oracle {
namespace {

constexpr double kPi = 3.1415926;
constexpr std::size_t kBlockSize = 64;

std::vector<TabulatedScans::Block> blocksOf(const std::vector<double>& values)
{
    std::vector<TabulatedScans::Block> blocks;
    for (std::size_t start = 0; start < values.size(); start += kBlockSize) {
        const auto first = values.begin() + static_cast<std::ptrdiff_t>(start);
        const auto last = values.begin() +
                          static_cast<std::ptrdiff_t>(std::min(start + kBlockSize, values.size()));
        const auto [lowest, highest] = std::minmax_element(first, last);
        blocks.push_back({*lowest, *highest});
    }
    return blocks;
}

double sineOf(double b) { return std::sin(b / 2 * kPi / 180); }
double cosineOf(double theta) { return std::cos(theta / 180 * kPi); }
double chordOf(double d) { return 12742 * std::sin(d / 12742); }

double cosineAtReference(double d12, double d1r, double dr2)
{
    const double a = chordOf(d12);
    const double b = chordOf(d1r);
    const double c = chordOf(dr2);
    return (c * c + b * b - a * a) / ((b + b) * c);
}

}  // namespace

const std::vector<double>& candidateAngles()
{
    static const std::vector<double> candidates = [] {
        std::vector<double> angles;
        double b = 180;
        while (!(b < 0)) {
            angles.push_back(b);
            b = b - 0.001;
        }
        angles.push_back(b);
        return angles;
    }();
    return candidates;
}

double kilometresOf(double b) { return b * 40030.1729092 / 360; }

double halfAngleSine(double lat1, double lon1, double lat2, double lon2)
{
    const double r1 = std::sin((90 - std::fabs(lat1)) / 180 * kPi) * 6371;
    const double r2 = std::sin((90 - std::fabs(lat2)) / 180 * kPi) * 6371;
    double d = std::fabs(lon1 - lon2);
    if (d > 180) d = 360 - d;
    const double a1 = r1 * 6.2831852 * d / 360;
    const double a2 = r2 * 6.2831852 * d / 360;
    const double m = std::sin(std::fabs(lat1 - lat2) / 2 / 180 * kPi) * 12742;
    return std::sqrt(a1 * a1 / 2 + m * m + a2 * a2 / 2) / 12742;
}

double distanceForHalfAngleSine(double u)
{
    double b = 180;
    bool matched = false;
    while (!(b < 0 || matched)) {
        if (std::fabs(sineOf(b) - u) < 0.00001) matched = true;
        b = b - 0.001;
    }
    return matched ? kilometresOf(b) : kilometresOf(180 - 0.001);
}

double distance(double lat1, double lon1, double lat2, double lon2)
{
    return distanceForHalfAngleSine(halfAngleSine(lat1, lon1, lat2, lon2));
}

double angleFromCosine(double x)
{
    double theta = 180;
    bool found = false;
    while (!found && !(theta < 0)) {
        if (std::fabs(x - cosineOf(theta)) < 0.0001) found = true;
        theta = theta - 0.001;
    }
    if (found) return theta;
    return angleFromCosine(x < 0 ? -1.0 : 1.0);
}

double angle(double lat1, double lon1, double lat2, double lon2, double latR, double lonR)
{
    return angleFromCosine(cosineAtReference(distance(lat1, lon1, lat2, lon2),
                                             distance(lat1, lon1, latR, lonR),
                                             distance(latR, lonR, lat2, lon2)));
}

TabulatedScans::TabulatedScans()
{
    const std::vector<double>& angles = candidateAngles();
    for (std::size_t k = 0; k + 1 < angles.size(); ++k) {
        sines_.push_back(sineOf(angles[k]));
        cosines_.push_back(cosineOf(angles[k]));
    }
    sineBlocks_ = blocksOf(sines_);
    cosineBlocks_ = blocksOf(cosines_);
}

// The index of the first value v with |difference(v)| < tolerance, or
// values.size(). difference is a subtraction with a fixed operand, so its
// computed result is monotone in v.
template <class Difference>
std::size_t TabulatedScans::firstPassing(const std::vector<double>& values,
                                         const std::vector<Block>& blocks, double tolerance,
                                         Difference difference) const
{
    for (std::size_t block = 0; block < blocks.size(); ++block) {
        const double atLowest = difference(blocks[block].lowest);
        const double atHighest = difference(blocks[block].highest);
        if (std::max(atLowest, atHighest) <= -tolerance || std::min(atLowest, atHighest) >= tolerance)
            continue;
        const std::size_t end = std::min((block + 1) * kBlockSize, values.size());
        for (std::size_t k = block * kBlockSize; k < end; ++k)
            if (std::fabs(difference(values[k])) < tolerance) return k;
    }
    return values.size();
}

double TabulatedScans::distanceForHalfAngleSine(double u) const
{
    const std::size_t k =
        firstPassing(sines_, sineBlocks_, 0.00001, [u](double s) { return s - u; });
    return kilometresOf(candidateAngles()[k < sines_.size() ? k + 1 : 1]);
}

double TabulatedScans::distance(double lat1, double lon1, double lat2, double lon2) const
{
    return distanceForHalfAngleSine(halfAngleSine(lat1, lon1, lat2, lon2));
}

double TabulatedScans::angleFromCosine(double x) const
{
    const std::size_t k =
        firstPassing(cosines_, cosineBlocks_, 0.0001, [x](double c) { return x - c; });
    if (k < cosines_.size()) return candidateAngles()[k + 1];
    return angleFromCosine(x < 0 ? -1.0 : 1.0);
}

double TabulatedScans::angle(double lat1, double lon1, double lat2, double lon2, double latR,
                             double lonR) const
{
    return angleFromCosine(cosineAtReference(distance(lat1, lon1, lat2, lon2),
                                             distance(lat1, lon1, latR, lonR),
                                             distance(latR, lonR, lat2, lon2)));
}

}  // namespace oracle
